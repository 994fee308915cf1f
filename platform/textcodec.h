// 8-bit code pages of the old platform and the encoding rule for documents.
#pragma once

#include <QByteArray>
#include <QString>

namespace TextCodec {

// Cp850 is Vellumix's DOS OEM format; it is never detected, only chosen.
enum class Encoding { Utf8, Windows1252, Cp850 };

QString fromWindows1252(const QByteArray &bytes);
// Characters without a Windows-1252 byte become '?' and clear *lossless.
QByteArray toWindows1252(const QString &text, bool *lossless = nullptr);

QString fromCp850(const QByteArray &bytes);
QByteArray toCp850(const QString &text, bool *lossless = nullptr);

// Valid UTF-8 is UTF-8, anything else Windows-1252.
bool isValidUtf8(const QByteArray &bytes);
Encoding detect(const QByteArray &bytes);
QString decode(const QByteArray &bytes, Encoding enc);
// Encodes; clears *lossless when a character cannot be held by the encoding.
QByteArray encode(const QString &text, Encoding enc, bool *lossless = nullptr);
// Decodes with detect().
QString decodeDetected(const QByteArray &bytes, Encoding *enc = nullptr);

} // namespace TextCodec
