// A file error (FileError: what failed, on which file, the system's cause) in the
// program's words, for every message that names a file that could not be read or
// written.
#pragma once

#include "platform/fileerror.h"

#include <QString>

namespace FileErrorText {

// Why the load or save failed; empty for None and Cancelled.
QString text(const FileError &error);
// The system's reason alone; empty when the failure carries none.
QString cause(const FileError &error);

} // namespace FileErrorText
