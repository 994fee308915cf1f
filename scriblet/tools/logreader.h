// Reads the log files of the tools (LaTeX's ".log", BibTeX's ".blg") for the log pane.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

namespace LogReader {

// The log is read in 255-byte pieces until a read returns fewer than 255 bytes;
// each piece counts only up to its first zero byte (the rest of that piece is
// dropped). sink gets the pieces in order. False when the file cannot be opened
// or read, or is no regular file (a pipe would never end).
bool readPieces(const QString &path, const std::function<void(QByteArrayView)> &sink);

// The whole log by the same rule; nothing when it cannot be read.
std::optional<QByteArray> readBytes(const QString &path);

} // namespace LogReader
