// The language commands (German 33118, English 33120, French 33122) in the
// "&Sprache" submenu of the settings menu. The item of the language in force
// carries a check mark and is disabled.
//
// A switch makes the language file the source of every text, writes
// "General"/"Language", and sends every window a language-change event: the main
// window sets its menus, bars and panes again from the string table (one menu bar
// serves the frame and every document window), the panes rebuild their captions.
// A file that cannot be used keeps the whole interface German and says so once
// in the status bar.
#pragma once

#include <QObject>
#include <QString>

class CMainFrame;
class QAction;

class LanguageCommands : public QObject
{
    Q_OBJECT
public:
    // Adds the commands to the frame (a child of it).
    explicit LanguageCommands(CMainFrame *frame);

    // Switches to 0 German, 1 English or 2 French. False when that language's
    // file could not be used (German is then in force).
    bool switchTo(int index);

    // Sends every window the language-change event, so that each sets its texts again.
    static void retranslateAll();

    QAction *action(int index) const;

private:
    void updateChecks();

    CMainFrame *m_frame;
    QAction *m_actions[3] = {};
};
