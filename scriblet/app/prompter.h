// The questions and messages the program puts to the user. Logic and windows ask
// through this interface; the real one shows dialogs, tests answer themselves.
#pragma once

#include <QString>

class Prompter
{
public:
    enum class Icon { Information, Exclamation, Error };
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;
    // A message box with an OK button.
    virtual void message(const QString &text, Icon icon = Icon::Exclamation, const QString &title = QString()) = 0;
    virtual Answer question(const QString &text, bool withCancel) = 0;
    // Empty when cancelled. Filters use the "Text|*.a;*.b|...|" form.
    virtual QString openFileName(const QString &title, const QString &filter, const QString &dir) = 0;
    virtual QString saveFileName(const QString &title, const QString &filter, const QString &suggested,
                                 const QString &defaultSuffix) = 0;
    // Language dialog: 0 German, 1 English, 2 French.
    virtual int chooseLanguage() = 0;
    // Information dialog and about box shown after a first start.
    virtual void showInformation() = 0;
    virtual void showAbout() = 0;
    // Beep after a search that found nothing more.
    virtual void beep() {}
};
