// The user-editable toolbar image files beside the settings file:
// "ScribletTools.bmp" (ten user-tool images) and "ScribletMacros.bmp" (ten macro
// images). They are read at every start; a file that is missing or unreadable is
// written from the built-in image as an uncompressed BMP and read again.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace ToolbarImages {

enum class Kind { Tools, Macros };

constexpr int ButtonWidth = 16;
constexpr int ButtonHeight = 15;
constexpr int ButtonCount = 10;

QString fileName(Kind kind); // "ScribletTools.bmp" / "ScribletMacros.bmp"
// The built-in strip of ten 16x15 images (8-bit with a colour table).
QImage builtin(Kind kind);
// Reads settingsDir + fileName(kind); when that fails, writes the built-in image
// there and reads again. False when it still fails (*error names the file).
bool load(const QString &settingsDir, Kind kind, QImage *out, QString *error = nullptr);
// Cuts a strip into its button images.
QList<QImage> split(const QImage &strip);

} // namespace ToolbarImages
