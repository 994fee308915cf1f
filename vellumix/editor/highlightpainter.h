// Puts the class formats on an editor's text: fills the widget with a new text, or
// recolours its text in place. Long texts go in steps of a few milliseconds, and the
// window repaints between them (input waits until the text is complete), so that
// loading or recolouring a large file never freezes the window.
#pragma once

#include "common/classformats.h"
#include "editor/highlighter.h"

class QPlainTextEdit;

class HighlightPainter {
public:
    enum class Result {
        Done,
        Failed,  // highlighting ran out of memory: the rest of the text is standard
        Gone,    // the widget was destroyed while the window repainted: touch nothing
    };

    // Texts longer than this are painted in steps.
    static constexpr int StepThreshold = 64 * 1024;

    explicit HighlightPainter(QPlainTextEdit *edit) : m_edit(edit) {}

    // Replaces the whole content by text, highlighted in full or all standard. The
    // undo history starts afresh; the widget's signals are blocked meanwhile.
    Result fill(const QString &text, bool highlight, const ClassFormats &formats);
    // Sets the formats of the whole text in place (full highlighting or all standard);
    // the old undo steps no longer fit the formats and are dropped, as after a load.
    Result recolour(bool highlight, const ClassFormats &formats);
    // Formats the runs of a range that starts at offset, as one undo step.
    void applyRuns(int offset, const ClassRuns &runs, const ClassFormats &formats);

private:
    QPlainTextEdit *m_edit;
};
