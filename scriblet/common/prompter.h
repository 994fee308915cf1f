// Every question and message the program puts to the user. Logic and windows ask
// through this one interface; the program's implementation shows dialogs, tests
// answer themselves.
#pragma once

#include <QString>
#include <QStringList>

class QColor;
class QFont;

class Prompter
{
public:
    enum class Icon { Information, Exclamation, Error };
    enum class Answer { Yes, No, Cancel };
    enum class Overwrite { Ask, DontAsk };

    virtual ~Prompter() = default;

    // A message box with an OK button (title empty: the program's name).
    virtual void message(const QString &text, Icon icon = Icon::Exclamation, const QString &title = QString()) = 0;
    // Yes and No, and Cancel when withCancel.
    virtual Answer question(const QString &text, bool withCancel = false) = 0;

    // File dialogs. Filters use the "Text|*.a;*.b|Text|*.c|" form; dir empty: the
    // current directory. Empty when cancelled. The chosen files exist.
    virtual QString openFileName(const QString &title, const QString &filter, const QString &dir = QString()) = 0;
    virtual QStringList openFileNames(const QString &title, const QString &filter,
                                      const QString &dir = QString()) = 0;
    // A program to run: the filter's first entry shows the executable files
    // whatever their names (programs carry no extension here), the others as usual.
    virtual QString openProgramName(const QString &title, const QString &filter) = 0;
    virtual QString saveFileName(const QString &title, const QString &filter, const QString &suggested,
                                 const QString &defaultSuffix, Overwrite overwrite = Overwrite::Ask) = 0;

    // The font dialog, started from *font; false (font unchanged) when cancelled.
    virtual bool chooseFont(QFont *font) = 0;
    // The colour chooser, started from *colour; false (colour unchanged) when cancelled.
    virtual bool chooseColour(QColor *colour) = 0;
    // The dialog "Projektnamen eingeben"; false when cancelled.
    virtual bool askProjectName(QString *name) = 0;
    // Language dialog: 0 German, 1 English, 2 French.
    virtual int chooseLanguage() = 0;
    // Information dialog and about box shown after a first start.
    virtual void showInformation() = 0;
    virtual void showAbout() = 0;
    // Beep after a search that found nothing more.
    virtual void beep() = 0;
};
