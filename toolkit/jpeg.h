// Pictures: the drawable base class and the JPEG picture decoded with libjpeg.
#pragma once

#include "types.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

class QImage;
class TCanvas;
class TResourceStream;

class TGraphic : public TObject {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // The picture at its natural size with its top-left corner at (x, y).
    virtual void Draw(TCanvas& canvas, int x, int y) const = 0;
};

class TJPEGImage : public TGraphic {
public:
    TJPEGImage();
    ~TJPEGImage() override;

    // Decodes the rest of the stream. Corrupt or truncated data raises
    // EInvalidGraphic and leaves the picture empty.
    void LoadFromStream(TResourceStream& stream);
    void LoadFromBytes(std::span<const std::uint8_t> data, const std::string& name);

    bool Empty() const;
    int Width() const override;
    int Height() const override;
    void Draw(TCanvas& canvas, int x, int y) const override;
    const QImage& Image() const { return *image_; }

private:
    std::unique_ptr<QImage> image_;
};
