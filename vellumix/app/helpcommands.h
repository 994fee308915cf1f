// Help > "Vellumix..." (F1) and "LaTeX..." (Ctrl+F1) in a program directory: a help
// file there goes to the desktop opener; without one, F1 shows the README in a help
// window and Ctrl+F1 asks texdoc for the LaTeX reference (in the background: texdoc
// may take seconds) and hands its document to the opener. Whatever cannot be found or
// opened is said in an error box.
#pragma once

#include <QObject>
#include <QString>

class DesktopOpener;
class HelpWindow;
class Prompter;
class QProcess;
class QStatusBar;
class QWidget;

class HelpCommands : public QObject
{
    Q_OBJECT
public:
    // window: parent of the help window; status: where "Looking for ..." shows (may be null).
    HelpCommands(const QString &programDir, Prompter &prompter, QWidget *window, QStatusBar *status = nullptr);

    void showProgramHelp();
    void showLatexHelp();

    // The programs asked ("xdg-open", "texdoc" unless set).
    DesktopOpener &opener() const { return *m_opener; }
    void setTexdoc(const QString &program) { m_texdoc = program; }
    HelpWindow *helpWindow() const { return m_window; }
    bool isLookingUp() const { return m_lookup != nullptr; }

private:
    void open(const QString &path);
    void texdocEnded();
    void setStatus(const QString &text);

    QString m_programDir;
    Prompter &m_prompter;
    QWidget *m_parent;
    QStatusBar *m_status;
    DesktopOpener *m_opener;
    HelpWindow *m_window = nullptr;
    QString m_texdoc = QStringLiteral("texdoc");
    QProcess *m_lookup = nullptr;
};
