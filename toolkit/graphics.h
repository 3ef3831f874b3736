// Retained drawing surfaces: a bitmap owns its pixels, its canvas draws into
// them and tells a listener which rectangle changed, so a control on screen
// repaints that rectangle and nothing else.
#pragma once

#include "resources.h"
#include "types.h"

#include <functional>
#include <memory>
#include <string>

class QImage;
class TGraphic;

struct TBrush {
    TColor Color = clWhite;
};

// Height is the character height in pixels (the em height, without leading).
struct TFont {
    std::string Name = "ＭＳ Ｐゴシック";
    int Height = 12;
    bool Bold = false;
    TColor Color = clWindowText;
};

using TChangeListener = std::function<void(const TRect&)>;

class TCanvas {
public:
    explicit TCanvas(QImage& image) : image_(image) {}
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TBrush Brush;
    TFont Font;

    void FillRect(const TRect& rect);
    // One line of text with its top-left corner at (x, y); the text's
    // background is filled with the brush colour.
    void TextOut(int x, int y, const std::string& text);
    int TextHeight(const std::string& text) const;
    void Draw(int x, int y, const TGraphic& graphic);
    // Copies source rectangle sourceRect of source into dest, stretching it
    // when the sizes differ (nearest pixel, no smoothing).
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
    TColor Pixel(int x, int y) const;

    void DrawImage(int x, int y, const QImage& image);
    const QImage& Image() const { return image_; }
    void SetListener(TChangeListener listener) { listener_ = std::move(listener); }

private:
    void Changed(const TRect& rect);

    QImage& image_;
    TChangeListener listener_;
};

class TBitmap {
public:
    TBitmap();
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const;
    int Height() const;
    // A new size starts out white.
    void SetSize(int width, int height);
    // Replaces the pixels with the named bitmap resource of the module.
    void LoadFromResourceName(HINSTANCE instance, const std::string& name);
    TCanvas& Canvas() { return *canvas_; }
    const TCanvas& Canvas() const { return *canvas_; }
    const QImage& Image() const { return *image_; }
    void SetListener(TChangeListener listener);

private:
    void ChangedWhole();

    std::unique_ptr<QImage> image_;
    std::unique_ptr<TCanvas> canvas_;
    TChangeListener listener_;
};

// What an image control shows: nothing, or a bitmap.
class TPicture {
public:
    bool Empty() const { return !bitmap_; }
    // The picture's bitmap; asking for it on an empty picture makes one.
    TBitmap& Bitmap();
    void SetListener(TChangeListener listener);

private:
    std::unique_ptr<TBitmap> bitmap_;
    TChangeListener listener_;
};
