// Prompter that shows real dialogs, parented to a window.
#pragma once

#include "app/prompter.h"

#include <QPointer>
#include <QStringList>
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
    QString saveFileName(const QString &title, const QString &filter, const QString &suggested,
                         const QString &defaultSuffix) override;
    int chooseLanguage() override;
    void showInformation() override;
    void showAbout() override;
    void beep() override;

    // "Text|*.a;*.b|Text2|*.c|" -> Qt filter list "Text (*.a *.b)".
    static QStringList qtFilters(const QString &filter);

private:
    void prepare();
    QPointer<QWidget> m_parent;
};
