// Writes the menu icons of the desktop theme from the icon the executable
// embeds, so the menu shows the very picture the window and task bar do.
//
//   rofo_make_icons OUT_DIR APP_ID   writes OUT_DIR/<N>x<N>/apps/APP_ID.png
//
// The icon is pixel art: every size is scaled by nearest neighbour, so each
// source pixel becomes a uniform block and no colour is invented.
#include "toolkit/dib.h"
#include "toolkit/resources.h"
#include "toolkit/types.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

namespace {

constexpr int IconSizes[] = {16, 32, 48, 64, 128, 256};

// Output pixel d samples the source pixel under its centre: floor((d + 0.5) * from / to).
QImage ScaleNearest(const QImage& source, int size)
{
    const QImage from = source.convertToFormat(QImage::Format_ARGB32);
    QImage to(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        const int sy = (2 * y + 1) * from.height() / (2 * size);
        for (int x = 0; x < size; ++x) {
            const int sx = (2 * x + 1) * from.width() / (2 * size);
            to.setPixel(x, y, from.pixel(sx, sy));
        }
    }
    return to;
}

bool WriteIcon(const QImage& icon, const QString& outDir, const QString& id, int size)
{
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
    const QString path = QStringLiteral("%1/%2.png").arg(folder, id);
    if (!QDir().mkpath(folder) || !ScaleNearest(icon, size).save(path, "PNG")) {
        std::fprintf(stderr, "rofo_make_icons: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUT_DIR APP_ID\n", argv[0]);
        return 2;
    }
    const auto data = FindResourceData("MAINICON", RT_GROUP_ICON);
    if (data.empty()) {
        std::fprintf(stderr, "rofo_make_icons: no MAINICON resource\n");
        return 1;
    }
    try {
        const QImage icon = DecodeIcon(data, "MAINICON");
        for (int size : IconSizes) {
            if (!WriteIcon(icon, QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), size))
                return 1;
        }
    } catch (const Exception& error) {
        std::fprintf(stderr, "rofo_make_icons: %s\n", error.what());
        return 1;
    }
    return 0;
}
