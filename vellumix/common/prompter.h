// The questions, messages and file choices Vellumix puts to the user: the frame,
// the editors and every feature ask through this one interface. The program answers
// with message boxes and dialogs (DialogPrompter); tests answer with a script.
#pragma once

#include <QString>

class Prompter
{
public:
    enum class Answer { Yes, No, Cancel, Retry };

    virtual ~Prompter() = default;

    // Question box with Yes, No and Cancel (e.g. "Save changes to ...?").
    virtual Answer askYesNoCancel(const QString &text) = 0;
    // Crash recovery's question: Yes restores (the default), No discards, Cancel
    // decides later. Without buttons of its own it is the Yes/No/Cancel box.
    virtual Answer askRestore(const QString &text) { return askYesNoCancel(text); }
    // Warning box with Retry and Cancel (e.g. a missing recent file).
    virtual Answer askRetryCancel(const QString &text) = 0;
    virtual void showError(const QString &text) = 0;
    virtual void showWarning(const QString &text) = 0;
    virtual void showInformation(const QString &text) = 0;
    // Input box with a caption and a label, empty at first (e.g. "Go To Line");
    // false when cancelled.
    virtual bool askText(const QString &caption, const QString &label, QString *answer) = 0;

    // File dialogs. Filters are "Description|patterns|Description|patterns..." with
    // patterns separated by ';'. *filterIndex is 1-based in and out. Empty: cancelled.
    virtual QString chooseOpenFile(const QString &title, const QString &filters, const QString &defaultExt,
                                   int *filterIndex) = 0;
    virtual QString chooseSaveFile(const QString &title, const QString &filters, const QString &defaultExt,
                                   const QString &initialName, int *filterIndex) = 0;
};
