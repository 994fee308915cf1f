// The main window's documents: new, open, save, save as, save all, the question
// before a modified document closes, the recent-file list ("Recent File List",
// five entries) and the File menu's commands.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class CChildFrame;
class CMainFrame;
class CShellDoc;
class CShellSettings;
class CShellView;
class Prompter;
class QAction;

class DocumentManager : public QObject
{
    Q_OBJECT
public:
    // frame, settings and prompter must outlive the manager.
    DocumentManager(CMainFrame *frame, CShellSettings &settings, Prompter &prompter);

    // The File menu: new, open, close, save, save as, save all, the recent files
    // and exit.
    void installCommands();

    // Opens (or activates when already open) a file; line > 0 puts the caret at
    // the start of that line. Null (after a message) when it cannot be read.
    CShellView *openDocument(const QString &path, int line = 0);
    CShellView *newDocument();
    // Shows a document made elsewhere (a restored one) in a new window, which owns it.
    CShellView *showDocument(CShellDoc *doc);
    // Saves one document as the Save command does (untitled or read-only: Save As).
    bool saveDocument(CShellDoc *doc);
    bool saveDocumentAs(CShellDoc *doc);
    // Saves every modified document; false when one stayed modified.
    bool saveAll();
    // Save / don't save / cancel for a modified document about to close; false
    // keeps it open. While the main window closes no question is asked.
    bool askSaveBeforeClose(CChildFrame *child);
    void setClosing(bool on) { m_closing = on; }

    QStringList recentFiles() const { return m_recent; }
    void loadRecent();

    void onFileOpen();

    // Asked before a document is written to path; false leaves it unsaved (the
    // file on disk changed and the user keeps that version). Unset: always saves.
    std::function<bool(CShellDoc *doc, const QString &path)> confirmSave;

signals:
    // A document window was added (opened or created); an opened file's text may
    // still be arriving.
    void documentAdded(CChildFrame *child);
    // The document holds its text and path: created, opened, or shown after a restore.
    void documentReady(CChildFrame *child);

private:
    CChildFrame *childForPath(const QString &path) const;
    CChildFrame *addChild(CShellDoc *doc);
    // Saves under path, asking to switch to UTF-8 when the file's encoding cannot
    // hold the text.
    bool saveAs(CShellDoc *doc, const QString &path);
    void addRecent(const QString &path);
    void rebuildRecentMenu();

    CMainFrame *m_frame;
    CShellSettings &m_settings;
    Prompter &m_prompter;
    QStringList m_recent;
    QAction *m_recentSeparator = nullptr;
    int m_untitledCount = 0;
    bool m_closing = false;
};
