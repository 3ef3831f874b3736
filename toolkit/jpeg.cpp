#include "jpeg.h"

#include "graphics.h"
#include "resources.h"

#include <QImage>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

constexpr int MaxSide = 8192;   // refuses absurd headers before allocating

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void FailDecode(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// libjpeg only warns about a truncated file and pads it with grey; a picture
// in the executable is either whole or broken, so a warning fails it too.
void FailOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        FailDecode(info);
}

struct DecodeJob {
    std::span<const std::uint8_t> data;
    QImage* image;
    char message[JMSG_LENGTH_MAX];
};

// Runs every libjpeg call inside one setjmp frame. Only plain C objects live
// in this frame: a longjmp out of libjpeg skips no destructor.
bool Decode(DecodeJob& job)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = FailDecode;
    errors.base.emit_message = FailOnWarning;
    errors.message[0] = '\0';
    jpeg_create_decompress(&info);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(job.message, sizeof job.message, "%s", errors.message);
        return false;
    }
    jpeg_mem_src(&info, job.data.data(), static_cast<unsigned long>(job.data.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width > MaxSide || info.image_height > MaxSide) {
        jpeg_destroy_decompress(&info);
        std::snprintf(job.message, sizeof job.message, "picture too large");
        return false;
    }
    info.out_color_space = JCS_EXT_BGRA;   // the byte order of QImage::Format_RGB32
    jpeg_start_decompress(&info);
    *job.image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (job.image->isNull()) {
        jpeg_destroy_decompress(&info);
        std::snprintf(job.message, sizeof job.message, "out of memory");
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = job.image->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

TJPEGImage::TJPEGImage() : image_(std::make_unique<QImage>()) {}
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromStream(TResourceStream& stream)
{
    LoadFromBytes(stream.Remaining(), stream.Name());
    stream.Skip(stream.Remaining().size());
}

void TJPEGImage::LoadFromBytes(std::span<const std::uint8_t> data, const std::string& name)
{
    QImage decoded;
    DecodeJob job{data, &decoded, {}};
    if (data.empty()) {
        *image_ = QImage();
        throw EInvalidGraphic(name + ": JPEG データがありません");
    }
    if (!Decode(job)) {
        *image_ = QImage();
        throw EInvalidGraphic(name + ": JPEG データが壊れています (" + job.message + ")");
    }
    *image_ = std::move(decoded);
}

bool TJPEGImage::Empty() const { return image_->isNull(); }
int TJPEGImage::Width() const { return image_->width(); }
int TJPEGImage::Height() const { return image_->height(); }

void TJPEGImage::Draw(TCanvas& canvas, int x, int y) const
{
    canvas.DrawImage(x, y, *image_);
}
