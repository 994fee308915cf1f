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

// The log as text for the pane (UTF-8 when valid, else Windows-1252), or the text
// "Log-Datei konnte nicht geladen werden !" when it cannot be read.
QString readText(const QString &path);

} // namespace LogReader
