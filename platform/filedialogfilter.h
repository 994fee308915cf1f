// File-dialog filters as both programs write them ("Text|patterns|Text|patterns|",
// patterns separated by ';') turned into Qt's form ("Text (*.a *.b)").
//
// A description's own parenthesised pattern list is replaced by the patterns that
// really apply; "*.*" becomes "*" so that it also shows files without a dot, as
// "All Files" did on the old platform. Every description/pattern pair gives one
// entry, so the old 1-based filter index stays valid (an empty description shows its
// patterns, an empty pattern list means every file).
#pragma once

#include <QString>
#include <QStringList>

namespace FileDialogFilter {

// One Qt name filter per description, in order (index i is the old 1-based i + 1).
QStringList toQtList(const QString &filter);
// The same joined with ";;", for QFileDialog's static functions.
QString toQt(const QString &filter);
// The patterns of the pair at the 0-based index, each trimmed ("*.*" as "*");
// empty when there is no such pair.
QStringList patterns(const QString &filter, int index);

} // namespace FileDialogFilter
