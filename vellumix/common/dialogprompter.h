// Prompter that asks the user with message boxes and file dialogs.
#pragma once

#include "common/prompter.h"

#include <QStringList>

class QWidget;

class DialogPrompter : public Prompter
{
public:
    explicit DialogPrompter(QWidget *parent) : m_parent(parent) {}

    Answer askYesNoCancel(const QString &text) override;
    Answer askRetryCancel(const QString &text) override;
    void showError(const QString &text) override;
    void showWarning(const QString &text) override;
    void showInformation(const QString &text) override;
    QString chooseOpenFile(const QString &title, const QString &filters, const QString &defaultExt,
                           int *filterIndex) override;
    QString chooseSaveFile(const QString &title, const QString &filters, const QString &defaultExt,
                           const QString &initialName, int *filterIndex) override;

    // "TeX Files (*.tex)|*.tex|All Files|*.*" as the host's name filters:
    // "TeX Files (*.tex)", "All Files (*)".
    static QStringList nameFilters(const QString &filters);

private:
    QWidget *m_parent;
};
