#include "qt_bridge.h"

#include <QApplication>
#include <QFontInfo>
#include <QPalette>

namespace {

// The proportional Japanese Gothic faces, nearest first.
const QStringList& GothicSubstitutes()
{
    static const QStringList faces = {
        QStringLiteral("IPAPGothic"),
        QStringLiteral("IPA Pゴシック"),
        QStringLiteral("IPAexGothic"),
        QStringLiteral("VL PGothic"),
        QStringLiteral("TakaoPGothic"),
        QStringLiteral("Noto Sans CJK JP"),
        QStringLiteral("Source Han Sans JP"),
        QStringLiteral("IPAGothic"),
    };
    return faces;
}

} // namespace

void RegisterFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), GothicSubstitutes());
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), GothicSubstitutes());
}

QFont ToQFont(const TFont& font, FontRendering rendering)
{
    QFont result;
    result.setFamilies({QString::fromStdString(font.Name)});
    result.setPixelSize(font.Height);
    result.setBold(font.Bold);
    result.setStyleHint(QFont::SansSerif,
        rendering == FontRendering::Crisp ? QFont::NoAntialias : QFont::PreferAntialias);
    return result;
}

std::string ResolvedFamily(const TFont& font)
{
    return QFontInfo(ToQFont(font, FontRendering::Smooth)).family().toStdString();
}

QColor ToQColor(TColor colour)
{
    if (colour & 0x80000000u) {
        const QPalette palette = QApplication::palette();
        switch (colour) {
        case clBtnFace:
            return palette.color(QPalette::Button);
        case clWindowText:
            return palette.color(QPalette::WindowText);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}
