// The questions and messages of the editor, behind an interface so that tests
// answer them instead of a person.
#pragma once

#include <QString>

class EditorPrompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~EditorPrompter() = default;
    virtual void information(const QString &text) = 0;
    virtual void warning(const QString &text) = 0;
    virtual void error(const QString &text) = 0;
    // Yes / No / Cancel.
    virtual Answer askSave(const QString &text) = 0;
    // The save dialog with the filters "TeX Files" (index 1) and "DOS OEM Text Format"
    // (index 2). Empty result = cancelled.
    virtual QString saveFileName(const QString &current, int *filterIndex) = 0;
    // The "Go To Line" input box; false when cancelled.
    virtual bool askLine(QString *answer) = 0;
};
