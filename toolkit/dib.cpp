#include "dib.h"

#include "types.h"

#include <QImage>

namespace {

constexpr std::size_t InfoHeaderSize = 40;
constexpr int MaxSide = 1024;   // far above anything the game stores

std::uint32_t U32(std::span<const std::uint8_t> d, std::size_t at)
{
    return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (std::uint32_t(d[at + 3]) << 24);
}
std::uint16_t U16(std::span<const std::uint8_t> d, std::size_t at)
{
    return std::uint16_t(d[at] | (d[at + 1] << 8));
}

[[noreturn]] void Refuse(const std::string& name, const char* why)
{
    throw EInvalidGraphic(name + ": ビットマップの形式が正しくありません (" + why + ")");
}

struct DibLayout {
    int width = 0;
    int height = 0;           // rows of colour pixels
    std::size_t paletteAt = 0;
    int paletteSize = 16;
    std::size_t pixelsAt = 0;
    std::size_t stride = 0;   // bytes per stored row, a multiple of 4
};

// Reads and checks the information header. storedRows is how many rows the
// header's height stands for per row of colour pixels (2 for icon images).
DibLayout ReadLayout(std::span<const std::uint8_t> d, const std::string& name, int storedRows)
{
    if (d.size() < InfoHeaderSize)
        Refuse(name, "too short for its header");
    const std::uint32_t headerSize = U32(d, 0);
    if (headerSize < InfoHeaderSize || headerSize > d.size())
        Refuse(name, "bad header size");
    const auto width = std::int32_t(U32(d, 4));
    const auto storedHeight = std::int32_t(U32(d, 8));
    if (U16(d, 12) != 1)
        Refuse(name, "planes must be 1");
    if (U16(d, 14) != 4)
        Refuse(name, "only 4 bits per pixel are supported");
    if (U32(d, 16) != 0)
        Refuse(name, "compressed bitmaps are not supported");
    if (width <= 0 || width > MaxSide || storedHeight <= 0 || storedHeight > MaxSide * storedRows
        || storedHeight % storedRows != 0)
        Refuse(name, "bad dimensions");

    DibLayout layout;
    layout.width = width;
    layout.height = storedHeight / storedRows;
    const std::uint32_t used = U32(d, 32);
    if (used > 16)
        Refuse(name, "too many colours");
    layout.paletteSize = used == 0 ? 16 : int(used);
    layout.paletteAt = headerSize;
    layout.pixelsAt = headerSize + 4 * std::size_t(layout.paletteSize);
    layout.stride = (std::size_t(width) * 4 + 31) / 32 * 4;
    const std::size_t needed = layout.pixelsAt + layout.stride * layout.height;
    if (needed > d.size())
        Refuse(name, "truncated pixel data");
    return layout;
}

QImage ReadColourPixels(std::span<const std::uint8_t> d, const DibLayout& layout, QImage::Format format)
{
    QRgb palette[16];
    for (int i = 0; i < 16; ++i) {
        if (i >= layout.paletteSize) {
            palette[i] = qRgb(0, 0, 0);
            continue;
        }
        const std::size_t at = layout.paletteAt + 4 * std::size_t(i);
        palette[i] = qRgb(d[at + 2], d[at + 1], d[at]);
    }
    QImage image(layout.width, layout.height, format);
    for (int y = 0; y < layout.height; ++y) {
        // Rows are stored bottom row first.
        const std::uint8_t* row = d.data() + layout.pixelsAt + layout.stride * (layout.height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < layout.width; ++x) {
            const std::uint8_t pair = row[x / 2];
            out[x] = palette[x % 2 == 0 ? pair >> 4 : pair & 0x0f];
        }
    }
    return image;
}

} // namespace

QImage DecodeDib(std::span<const std::uint8_t> data, const std::string& name)
{
    const DibLayout layout = ReadLayout(data, name, 1);
    return ReadColourPixels(data, layout, QImage::Format_RGB32);
}

QImage DecodeIconDib(std::span<const std::uint8_t> data, const std::string& name)
{
    const DibLayout layout = ReadLayout(data, name, 2);
    const std::size_t maskAt = layout.pixelsAt + layout.stride * layout.height;
    const std::size_t maskStride = (std::size_t(layout.width) + 31) / 32 * 4;
    if (maskAt + maskStride * layout.height > data.size())
        Refuse(name, "truncated transparency mask");

    QImage image = ReadColourPixels(data, layout, QImage::Format_ARGB32);
    for (int y = 0; y < layout.height; ++y) {
        const std::uint8_t* mask = data.data() + maskAt + maskStride * (layout.height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < layout.width; ++x) {
            if (mask[x / 8] & (0x80 >> (x % 8)))
                out[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

QImage DecodeIcon(std::span<const std::uint8_t> data, const std::string& name, int size)
{
    constexpr std::size_t DirSize = 6;
    constexpr std::size_t EntrySize = 16;
    if (data.size() < DirSize || U16(data, 0) != 0 || U16(data, 2) != 1)
        Refuse(name, "not an icon");
    const int count = U16(data, 4);
    if (count == 0 || data.size() < DirSize + EntrySize * count)
        Refuse(name, "truncated icon directory");

    int chosen = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t side = data[DirSize + EntrySize * i];
        if ((side == 0 ? 256 : side) == size) {
            chosen = i;
            break;
        }
    }
    const std::size_t entry = DirSize + EntrySize * chosen;
    const std::uint32_t length = U32(data, entry + 8);
    const std::uint32_t offset = U32(data, entry + 12);
    if (offset > data.size() || length > data.size() - offset)
        Refuse(name, "icon image outside the file");
    return DecodeIconDib(data.subspan(offset, length), name);
}
