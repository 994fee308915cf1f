// Conversions between the stored editor font / colour values and Qt's.
#pragma once

#include "common/cshellsettings.h"

#include <QColor>
#include <QFont>

namespace EditorFontConv {

// Height < 0: character height in pixels; > 0: cell height (taken as pixels too).
QFont toQFont(const EditorFont &f);
// Keeps the fields Qt has no notion of (escapement, precisions...) from base.
EditorFont fromQFont(const QFont &font, const EditorFont &base = EditorFont());
// 0x00BBGGRR
QColor toQColor(unsigned colorRef);
unsigned fromQColor(const QColor &c);

} // namespace EditorFontConv
