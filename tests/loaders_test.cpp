// The picture loaders refuse broken data with a clear error and never read
// past what they were given.
#include "toolkit/dib.h"
#include "toolkit/jpeg.h"
#include "toolkit/resources.h"

#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <vector>

namespace {

std::vector<std::uint8_t> Copy(const std::string& name, const std::string& type)
{
    const auto data = FindResourceData(name, type);
    return {data.begin(), data.end()};
}

void Put32(std::vector<std::uint8_t>& d, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        d[at + i] = std::uint8_t(v >> (8 * i));
}

} // namespace

TEST(DibLoader, RefusesMalformedHeadersAndTruncatedPixels)
{
    const auto good = Copy("BITMAPR1", RT_BITMAP);
    const struct {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> spoil;
    } cases[] = {
        {"empty", [](auto& d) { d.clear(); }},
        {"header cut short", [](auto& d) { d.resize(39); }},
        {"last pixel row missing", [](auto& d) { d.resize(d.size() - 12); }},
        {"one byte short", [](auto& d) { d.pop_back(); }},
        {"header size beyond the data", [](auto& d) { Put32(d, 0, 100000); }},
        {"header size too small", [](auto& d) { Put32(d, 0, 12); }},
        {"negative width", [](auto& d) { Put32(d, 4, std::uint32_t(-20)); }},
        {"huge height", [](auto& d) { Put32(d, 8, 0x7fffffff); }},
        {"zero height", [](auto& d) { Put32(d, 8, 0); }},
        {"8 bits per pixel", [](auto& d) { d[14] = 8; }},
        {"compressed", [](auto& d) { Put32(d, 16, 2); }},
        {"two planes", [](auto& d) { d[12] = 2; }},
        {"too many colours", [](auto& d) { Put32(d, 32, 300); }},
    };
    for (const auto& c : cases) {
        auto data = good;
        c.spoil(data);
        EXPECT_THROW(DecodeDib(data, "BitmapR1"), EInvalidGraphic) << c.what;
    }
    EXPECT_EQ(DecodeDib(good, "BitmapR1").size(), QSize(20, 20)) << "the unspoilt tile still loads";
}

TEST(DibLoader, ErrorNamesTheBitmap)
{
    try {
        DecodeDib(std::vector<std::uint8_t>(10), "BitmapF2");
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_NE(e.Message().find("BitmapF2"), std::string::npos) << e.Message();
    }
}

TEST(IconLoader, RefusesTruncatedIconsAndLoadsTheWholeOne)
{
    const auto good = Copy("MAINICON", RT_GROUP_ICON);
    for (std::size_t cut : {std::size_t(0), std::size_t(5), std::size_t(21), std::size_t(100), good.size() - 1}) {
        const std::vector<std::uint8_t> data(good.begin(), good.begin() + cut);
        EXPECT_THROW(DecodeIcon(data, "MAINICON"), EInvalidGraphic) << "cut at " << cut;
    }
    auto outside = good;
    Put32(outside, 18, std::uint32_t(good.size()));   // image offset past the end
    EXPECT_THROW(DecodeIcon(outside, "MAINICON"), EInvalidGraphic);
    EXPECT_EQ(DecodeIcon(good, "MAINICON").size(), QSize(32, 32));
}

TEST(JpegLoader, RefusesTruncatedAndCorruptPicturesAndStaysEmpty)
{
    const auto good = Copy("JPEG5", "JPEG");
    const struct {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> spoil;
    } cases[] = {
        {"empty", [](auto& d) { d.clear(); }},
        {"only the start marker", [](auto& d) { d.resize(2); }},
        {"cut in the headers", [](auto& d) { d.resize(300); }},
        {"cut in the middle of the scan", [](auto& d) { d.resize(d.size() / 2); }},
        {"end marker missing", [](auto& d) { d.resize(d.size() - 2); }},
        {"not a JPEG", [](auto& d) { d.assign(d.size(), 0x55); }},
        {"frame header says 0 rows", [](auto& d) {
             for (std::size_t i = 2; i + 9 < d.size(); ++i)
                 if (d[i] == 0xFF && d[i + 1] == 0xC0) {
                     d[i + 5] = 0;
                     d[i + 6] = 0;
                     break;
                 }
         }},
    };
    for (const auto& c : cases) {
        auto data = good;
        c.spoil(data);
        TJPEGImage picture;
        EXPECT_THROW(picture.LoadFromBytes(data, "JPEG5"), EInvalidGraphic) << c.what;
        EXPECT_TRUE(picture.Empty()) << c.what;
    }
}

TEST(JpegLoader, DecodesOpaquePixelsFromAStream)
{
    TResourceStream stream(HInstance, "JPEG1", "JPEG");
    TJPEGImage picture;
    picture.LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), stream.Size()) << "the stream is read to its end";
    ASSERT_FALSE(picture.Empty());
    EXPECT_EQ(qAlpha(picture.Image().pixel(200, 150)), 255);
}
