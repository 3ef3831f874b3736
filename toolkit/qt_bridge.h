// Conversions between the toolkit's values and Qt's, used only inside the
// toolkit.
#pragma once

#include "graphics.h"
#include "types.h"

#include <QColor>
#include <QFont>

class QWidget;

QColor ToQColor(TColor colour);

// Crisp text is drawn without anti-aliasing, in exactly two colours, as the
// board's text has always been; Smooth is for the controls.
enum class FontRendering { Crisp, Smooth };
QFont ToQFont(const TFont& font, FontRendering rendering);

// Teaches the font system which installed faces stand in for the faces the
// game asks for by name. Called once when the application starts.
void RegisterFontSubstitutes();

// The family that a font request resolves to on this machine.
std::string ResolvedFamily(const TFont& font);
