// Reads LaTeX's log file for the log pane.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace LogReader {

// The log is read in 255-byte pieces until a read returns fewer than 255 bytes;
// each piece counts only up to its first zero byte (the rest of that piece is
// dropped). Returns nothing when the file cannot be opened or read.
std::optional<QByteArray> readBytes(const QString &path);

// The pane shows at most this much of a log (the start of it): a runaway document
// can write logs of many megabytes, which would freeze the window.
inline constexpr qint64 MaxShownBytes = 4 * 1024 * 1024;

// Like readBytes(), but stops after MaxShownBytes.
std::optional<QByteArray> readBytes(const QString &path, qint64 limit);

// The log as text for the pane (at most MaxShownBytes) (UTF-8 when valid, else Windows-1252), or the text
// "Log-Datei konnte nicht geladen werden !" when it cannot be read.
QString readText(const QString &path);

} // namespace LogReader
