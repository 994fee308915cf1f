// The accelerator part of a menu entry: the caption, a tab and every key of
// the command, each written "Alt+", "Ctrl+", "Shift+" (in that order) and the
// key's name, several separated by ", ".
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

namespace AcceleratorText {

// "Ctrl+C, Ctrl+Ins"; empty without keys. Only the first chord of a sequence counts.
QString keys(const QList<QKeySequence> &shortcuts);

// The caption up to its first tab, then a tab and keys() when there are any.
QString menuText(const QString &text, const QList<QKeySequence> &shortcuts);

} // namespace AcceleratorText
