// The resources inside the executable: what each name finds, and that the
// tiles and pictures are in exactly the formats the game draws from.
#include "toolkit/dib.h"
#include "toolkit/jpeg.h"
#include "toolkit/resources.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> TileNames = {"BITMAPO", "BITMAPR1", "BITMAPR2", "BITMAPR3", "BITMAPR4",
    "BITMAPF1", "BITMAPF2", "BITMAPF3", "BITMAPF4"};

std::vector<std::string> PictureNames()
{
    std::vector<std::string> names;
    for (int i = 1; i <= 10; ++i)
        names.push_back("JPEG" + std::to_string(i));
    return names;
}

QImage Tile(const std::string& name) { return DecodeDib(FindResourceData(name, RT_BITMAP), name); }

// One quarter turn clockwise moves (c, r) to (19 - r, c).
QImage TurnedClockwise(const QImage& in)
{
    QImage out(in.size(), in.format());
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 20; ++c)
            out.setPixel(19 - r, c, in.pixel(c, r));
    return out;
}

std::vector<std::uint8_t> Bytes(std::span<const std::uint8_t> s) { return {s.begin(), s.end()}; }

} // namespace

// A renamed or missing file in the resource description fails here, not for a player.
TEST(Resources, EveryNameTheGameAsksForHoldsTheFileFromRes)
{
    std::vector<std::pair<std::string, std::string>> entries;
    for (const auto& name : TileNames)
        entries.push_back({name, ".dib"});
    for (const auto& name : PictureNames())
        entries.push_back({name, ".jpg"});
    entries.push_back({"MAINICON", ".ico"});
    for (const auto& [name, extension] : entries) {
        const std::string type = extension == ".dib" ? RT_BITMAP : extension == ".jpg" ? "JPEG" : RT_GROUP_ICON;
        QFile file(QString::fromStdString(std::string(ROFO_RESOURCE_DIR) + "/" + name + extension));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray onDisk = file.readAll();
        EXPECT_EQ(Bytes(FindResourceData(name, type)), std::vector<std::uint8_t>(onDisk.begin(), onDisk.end()))
            << name;
    }
}

TEST(Resources, LookUpIgnoresCaseAndMissingNamesRaiseNotFound)
{
    EXPECT_EQ(FindResourceData("BitmapO", RT_BITMAP).data(), FindResourceData("BITMAPO", RT_BITMAP).data());
    EXPECT_FALSE(FindResourceData("bitmapf4", "bitmap").empty());
    EXPECT_TRUE(FindResourceData("JPEG11", "JPEG").empty());
    EXPECT_TRUE(FindResourceData("JPEG1", RT_BITMAP).empty()) << "the type is part of the name";
    try {
        TResourceStream stream(HInstance, "JPEG0", "JPEG");
        FAIL() << "opened a resource that does not exist";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), "JPEG0 リソースが見つかりません");
    }
}

TEST(Resources, TilesAre344ByteFourBitBitmapsOfTwoColours)
{
    for (const auto& name : TileNames) {
        const auto data = FindResourceData(name, RT_BITMAP);
        ASSERT_EQ(data.size(), 344u) << name;
        EXPECT_EQ(data[0], 40) << name;
        EXPECT_EQ(data[14], 4) << name << ": bits per pixel";
        const QImage tile = Tile(name);
        ASSERT_EQ(tile.size(), QSize(20, 20)) << name;
        std::set<QRgb> colours;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                colours.insert(tile.pixel(x, y));
        EXPECT_EQ(colours.size(), 2u) << name;
        // The standard palette, entry 4 navy and 13 magenta among them.
        EXPECT_EQ(data[40 + 4 * 4 + 0], 128) << name;
        EXPECT_EQ(data[40 + 13 * 4 + 2], 255) << name;
    }
}

TEST(Resources, RingTileIsTheTabulatedRing)
{
    const QImage ring = Tile("BITMAPO");
    // Green columns per row of the upper half; the lower half mirrors it.
    const std::vector<std::vector<std::pair<int, int>>> upper = {{}, {}, {{6, 13}}, {{4, 15}},
        {{4, 6}, {13, 15}}, {{3, 4}, {15, 16}}, {{2, 4}, {15, 17}}, {{2, 3}, {16, 17}}, {{2, 3}, {16, 17}},
        {{2, 3}, {16, 17}}};
    for (int row = 0; row < 20; ++row) {
        const auto& spans = upper[row < 10 ? row : 19 - row];
        for (int col = 0; col < 20; ++col) {
            bool green = false;
            for (auto [from, to] : spans)
                green = green || (col >= from && col <= to);
            EXPECT_EQ(ring.pixel(col, row), green ? qRgb(0, 255, 0) : qRgb(255, 255, 255))
                << "column " << col << " row " << row;
        }
    }
}

TEST(Resources, TurnedLettersAreExactQuarterTurnsAndAllDiffer)
{
    for (const char* letter : {"BITMAPR", "BITMAPF"}) {
        QImage expected = Tile(std::string(letter) + "1");
        std::vector<QImage> seen = {expected};
        for (int t = 1; t <= 3; ++t) {
            expected = TurnedClockwise(expected);
            const QImage actual = Tile(std::string(letter) + std::to_string(t + 1));
            EXPECT_EQ(actual, expected) << letter << t + 1;
            for (const QImage& other : seen)
                EXPECT_NE(actual, other) << letter << t + 1 << " looks like another turn";
            seen.push_back(actual);
        }
    }
}

TEST(Resources, UprightLettersKeepTheirMarginsAndColours)
{
    const struct {
        const char* name;
        QRgb ground;
    } letters[] = {{"BITMAPR1", qRgb(0, 0, 255)}, {"BITMAPF1", qRgb(255, 0, 255)}};
    for (const auto& letter : letters) {
        const QImage tile = Tile(letter.name);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const QRgb p = tile.pixel(x, y);
                EXPECT_TRUE(p == letter.ground || p == qRgb(255, 255, 255)) << letter.name;
                if (x < 3 || x > 16 || y < 2 || y > 17)
                    EXPECT_EQ(p, letter.ground) << letter.name << " at " << x << "," << y;
            }
        }
    }
}

namespace {

// The markers of a JPEG file in order, with the payload of the ones checked.
struct Marker {
    int code;
    std::vector<std::uint8_t> payload;
};

std::vector<Marker> Markers(std::span<const std::uint8_t> d)
{
    std::vector<Marker> markers;
    std::size_t at = 2;
    while (at + 4 <= d.size() && d[at] == 0xFF) {
        const int code = d[at + 1];
        const std::size_t length = (d[at + 2] << 8) | d[at + 3];
        markers.push_back({code, {d.begin() + at + 4, d.begin() + at + 2 + length}});
        if (code == 0xDA)
            break;   // entropy-coded data follows
        at += 2 + length;
    }
    return markers;
}

} // namespace

TEST(Resources, PicturesAreBaselineJfif101Of400By299In420WithOneScan)
{
    for (const auto& name : PictureNames()) {
        const auto data = FindResourceData(name, "JPEG");
        ASSERT_GT(data.size(), 1000u) << name;
        EXPECT_EQ(data[0], 0xFF);
        EXPECT_EQ(data[1], 0xD8) << name << ": starts with SOI";
        EXPECT_EQ(data[data.size() - 2], 0xFF);
        EXPECT_EQ(data[data.size() - 1], 0xD9) << name << ": ends with EOI";
        const auto markers = Markers(data);
        ASSERT_FALSE(markers.empty());
        const Marker& jfif = markers.front();
        ASSERT_EQ(jfif.code, 0xE0) << name;
        EXPECT_EQ(std::string(jfif.payload.begin(), jfif.payload.begin() + 5), std::string("JFIF\0", 5));
        EXPECT_EQ(jfif.payload[5], 1);
        EXPECT_EQ(jfif.payload[6], 1) << name << ": JFIF 1.01";
        const int number = std::stoi(name.substr(4));
        const int unit = jfif.payload[7];
        const int xDensity = (jfif.payload[8] << 8) | jfif.payload[9];
        const int yDensity = (jfif.payload[10] << 8) | jfif.payload[11];
        if (number <= 3)
            EXPECT_TRUE(unit == 1 && xDensity == 96 && yDensity == 96) << name << ": 96 dpi";
        else
            EXPECT_TRUE(unit == 0 && xDensity == 1 && yDensity == 1) << name << ": aspect 1:1";

        int quantTables = 0, huffmanTables = 0, scans = 0, frames = 0;
        for (const Marker& m : markers) {
            EXPECT_NE(m.code, 0xDD) << name << ": no restart interval";
            EXPECT_NE(m.code, 0xC2) << name << ": not progressive";
            if (m.code == 0xDB)
                quantTables += int(m.payload.size() / 65);
            if (m.code == 0xC4) {
                for (std::size_t at = 0; at + 17 <= m.payload.size(); ++huffmanTables) {
                    int symbols = 0;
                    for (int i = 1; i <= 16; ++i)
                        symbols += m.payload[at + i];
                    at += 17 + symbols;
                }
            }
            if (m.code == 0xDA)
                ++scans;
            if (m.code == 0xC0) {
                ++frames;
                const auto& f = m.payload;
                EXPECT_EQ(f[0], 8) << name;
                EXPECT_EQ((f[1] << 8) | f[2], 299) << name;
                EXPECT_EQ((f[3] << 8) | f[4], 400) << name;
                ASSERT_EQ(f[5], 3) << name;
                EXPECT_EQ(f[7], 0x22) << name << ": luminance 2 x 2";
                EXPECT_EQ(f[10], 0x11);
                EXPECT_EQ(f[13], 0x11);
            }
        }
        EXPECT_EQ(frames, 1) << name << ": one baseline frame";
        EXPECT_EQ(quantTables, 2) << name;
        EXPECT_EQ(huffmanTables, 4) << name;
        EXPECT_EQ(scans, 1) << name;
        TJPEGImage picture;
        picture.LoadFromBytes(data, name);
        EXPECT_EQ(picture.Width(), 400) << name;
        EXPECT_EQ(picture.Height(), 299) << name;
    }
}

TEST(Resources, IconIsFourTilesSpellingRofoWithAnOffsetShadow)
{
    const auto data = FindResourceData("MAINICON", RT_GROUP_ICON);
    const QImage icon = DecodeIcon(data, "MAINICON");
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(data[6], 32);
    EXPECT_EQ(data[8], 16) << "16 colours";
    const QRgb navy = qRgb(0, 0, 128);
    for (int qx : {0, 16}) {
        for (int qy : {0, 16}) {
            EXPECT_EQ(qAlpha(icon.pixel(qx + 15, qy)), 0) << "first pixel of the right shadow";
            EXPECT_EQ(qAlpha(icon.pixel(qx, qy + 15)), 0) << "first pixel of the bottom shadow";
            for (int i = 1; i < 16; ++i) {
                EXPECT_EQ(icon.pixel(qx + 15, qy + i), navy);
                EXPECT_EQ(icon.pixel(qx + i, qy + 15), navy);
            }
        }
    }
    // Grounds: R blue upper left, rings white, F magenta lower right.
    EXPECT_EQ(icon.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(icon.pixel(16, 0), qRgb(255, 255, 255));
    EXPECT_EQ(icon.pixel(0, 16), qRgb(255, 255, 255));
    EXPECT_EQ(icon.pixel(16, 16), qRgb(255, 0, 255));
}
