#include "graphics.h"

#include "dib.h"
#include "jpeg.h"
#include "qt_bridge.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

TRect ToTRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

// Every drawing operation writes pixels exactly: the source replaces the
// destination, and a stretch picks nearest pixels.
void PreparePainter(QPainter& painter)
{
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

bool DirectPixels(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

// The board's cells change many times in a chain of clears: fills and
// stretches of whole pixels are written straight into the image rather than
// through a painter each time.
void FillPixels(QImage& image, const QRect& rect, QRgb colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row + rect.left(), row + rect.right() + 1, colour);
    }
}

// Nearest-pixel stretch: destination pixel d samples the source pixel whose
// span covers d's centre. Equal sizes are a plain copy of rows.
void StretchPixels(QImage& dest, const QRect& to, const QImage& source, const QRect& from)
{
    const QRect visible = to.intersected(dest.rect());
    if (visible.isEmpty())
        return;
    const auto sourceIndex = [](int d, int start, int count, int span) {
        return start + int((2LL * d + 1) * count / (2LL * span));
    };
    static thread_local std::vector<int> columns;
    columns.resize(std::size_t(visible.width()));
    for (int x = visible.left(); x <= visible.right(); ++x)
        columns[std::size_t(x - visible.left())] = sourceIndex(x - to.left(), from.left(), from.width(), to.width());
    const int sourceWidth = source.width();
    const bool columnsInside = columns.front() >= 0 && columns.back() < sourceWidth;
    const bool plainCopy = to.size() == from.size() && columnsInside;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const int sy = sourceIndex(y - to.top(), from.top(), from.height(), to.height());
        if (sy < 0 || sy >= source.height())
            continue;
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        auto* out = reinterpret_cast<QRgb*>(dest.scanLine(y)) + visible.left();
        if (plainCopy && source.format() == QImage::Format_RGB32) {
            std::memcpy(out, in + columns.front(), sizeof(QRgb) * columns.size());
            continue;
        }
        if (columnsInside) {
            for (std::size_t i = 0; i < columns.size(); ++i)
                out[i] = in[columns[i]] | 0xff000000u;
            continue;
        }
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const int sx = columns[i];
            if (sx >= 0 && sx < sourceWidth)
                out[i] = in[sx] | 0xff000000u;
        }
    }
}

} // namespace

void TCanvas::Changed(const TRect& rect)
{
    const QRect clipped = ToQRect(rect).intersected(image_.rect());
    if (listener_ && !clipped.isEmpty())
        listener_(ToTRect(clipped));
}

void TCanvas::FillRect(const TRect& rect)
{
    if (rect.IsEmpty() || image_.isNull())
        return;
    const QRect area = ToQRect(rect).intersected(image_.rect());
    if (DirectPixels(image_)) {
        FillPixels(image_, area, ToQColor(Brush.Color).rgb());
    } else {
        QPainter painter(&image_);
        PreparePainter(painter);
        painter.fillRect(area, ToQColor(Brush.Color));
    }
    Changed(rect);
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    if (image_.isNull())
        return;
    const QFont font = ToQFont(Font, FontRendering::Crisp);
    const QFontMetrics metrics(font);
    const QString s = QString::fromStdString(text);
    const TRect box{x, y, x + metrics.horizontalAdvance(s), y + metrics.height()};
    QPainter painter(&image_);
    PreparePainter(painter);
    painter.fillRect(ToQRect(box), ToQColor(Brush.Color));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(font);
    painter.setPen(ToQColor(Font.Color));
    painter.drawText(x, y + metrics.ascent(), s);
    painter.end();
    Changed(box);
}

int TCanvas::TextHeight(const std::string&) const
{
    return QFontMetrics(ToQFont(Font, FontRendering::Crisp)).height();
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) { graphic.Draw(*this, x, y); }

void TCanvas::DrawImage(int x, int y, const QImage& image)
{
    if (image.isNull() || image_.isNull())
        return;
    QPainter painter(&image_);
    PreparePainter(painter);
    painter.drawImage(x, y, image);
    painter.end();
    Changed({x, y, x + image.width(), y + image.height()});
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect)
{
    if (dest.IsEmpty() || sourceRect.IsEmpty() || image_.isNull())
        return;
    if (DirectPixels(image_) && DirectPixels(source.image_)) {
        StretchPixels(image_, ToQRect(dest), source.image_, ToQRect(sourceRect));
    } else {
        QPainter painter(&image_);
        PreparePainter(painter);
        painter.drawImage(ToQRect(dest), source.image_, ToQRect(sourceRect));
    }
    Changed(dest);
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (!image_.valid(x, y))
        return 0xFFFFFFFF;   // outside the surface: no colour
    const QRgb p = image_.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

TBitmap::TBitmap()
    : image_(std::make_unique<QImage>()), canvas_(std::make_unique<TCanvas>(*image_))
{
}

TBitmap::~TBitmap() = default;

int TBitmap::Width() const { return image_->width(); }
int TBitmap::Height() const { return image_->height(); }

void TBitmap::SetSize(int width, int height)
{
    *image_ = QImage(width, height, QImage::Format_RGB32);
    image_->fill(Qt::white);
    ChangedWhole();
}

void TBitmap::LoadFromResourceName(HINSTANCE, const std::string& name)
{
    const auto data = FindResourceData(name, RT_BITMAP);
    if (data.data() == nullptr)
        throw EResNotFound(name);
    *image_ = DecodeDib(data, name);
    ChangedWhole();
}

void TBitmap::SetListener(TChangeListener listener)
{
    listener_ = listener;
    canvas_->SetListener(std::move(listener));
}

void TBitmap::ChangedWhole()
{
    if (listener_)
        listener_({0, 0, image_->width(), image_->height()});
}

TBitmap& TPicture::Bitmap()
{
    if (!bitmap_) {
        bitmap_ = std::make_unique<TBitmap>();
        bitmap_->SetListener(listener_);
    }
    return *bitmap_;
}

void TPicture::SetListener(TChangeListener listener)
{
    listener_ = std::move(listener);
    if (bitmap_)
        bitmap_->SetListener(listener_);
}
