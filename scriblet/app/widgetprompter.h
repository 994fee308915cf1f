// The program's Prompter: real message boxes and dialogs, parented to a window.
#pragma once

#include "common/prompter.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class WidgetPrompter : public Prompter
{
public:
    void setParentWidget(QWidget *w) { m_parent = w; }
    // Runs before every modal dialog (start-up closes its splash there).
    std::function<void()> beforeModal;

    void message(const QString &text, Icon icon, const QString &title) override;
    Answer question(const QString &text, bool withCancel) override;
    QString openFileName(const QString &title, const QString &filter, const QString &dir) override;
    QStringList openFileNames(const QString &title, const QString &filter, const QString &dir) override;
    QString openProgramName(const QString &title, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &filter, const QString &suggested,
                         const QString &defaultSuffix, Overwrite overwrite) override;
    bool chooseFont(QFont *font) override;
    bool chooseColour(QColor *colour) override;
    bool askProjectName(QString *name) override;
    int chooseLanguage() override;
    void showInformation() override;
    void showAbout() override;
    void beep() override;

private:
    void prepare();
    QStringList openFiles(const QString &title, const QString &filter, const QString &dir, bool several);
    QPointer<QWidget> m_parent;
};
