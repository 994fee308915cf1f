// The questions and file choices the frame and its editors put to the user. The
// program answers them with message boxes and file dialogs (DialogPrompter); tests
// answer them with a scripted prompter.
#pragma once

#include <QString>

class Prompter
{
public:
    enum class Answer { Yes, No, Cancel, Retry };

    virtual ~Prompter() = default;

    // Question box with Yes, No and Cancel (e.g. "Save changes to ...?").
    virtual Answer askYesNoCancel(const QString &text) = 0;
    // Warning box with Retry and Cancel (e.g. a missing recent file).
    virtual Answer askRetryCancel(const QString &text) = 0;
    virtual void showError(const QString &text) = 0;
    virtual void showWarning(const QString &text) = 0;
    virtual void showInformation(const QString &text) = 0;

    // File dialogs. Filters are "Description|patterns|Description|patterns..." with
    // patterns separated by ';'. *filterIndex is 1-based in and out. Empty: cancelled.
    virtual QString chooseOpenFile(const QString &title, const QString &filters, const QString &defaultExt,
                                   int *filterIndex) = 0;
    virtual QString chooseSaveFile(const QString &title, const QString &filters, const QString &defaultExt,
                                   const QString &initialName, int *filterIndex) = 0;
};
