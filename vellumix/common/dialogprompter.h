// The Prompter on the screen: message boxes, the input box and file dialogs, all
// captioned "Vellumix".
#pragma once

#include "common/prompter.h"

class QWidget;

class DialogPrompter : public Prompter
{
public:
    // parent: the window the boxes and dialogs belong to (may be null).
    explicit DialogPrompter(QWidget *parent) : m_parent(parent) {}

    Answer askYesNoCancel(const QString &text) override;
    Answer askRestore(const QString &text) override;
    Answer askRetryCancel(const QString &text) override;
    void showError(const QString &text) override;
    void showWarning(const QString &text) override;
    void showInformation(const QString &text) override;
    bool askText(const QString &caption, const QString &label, QString *answer) override;
    QString chooseOpenFile(const QString &title, const QString &filters, const QString &defaultExt,
                           int *filterIndex) override;
    QString chooseSaveFile(const QString &title, const QString &filters, const QString &defaultExt,
                           const QString &initialName, int *filterIndex) override;

private:
    QWidget *m_parent;
};
