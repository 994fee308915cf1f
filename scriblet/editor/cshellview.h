// The editor view: a plain-text editor over a CShellDoc, set up from the shared
// settings (font, tab stops every fifth of an inch, background, word wrap). It
// tracks what kind of change each edit was (ChangeTracker) so that colouring
// re-colours only the touched lines, and serves positioning requests (line
// number or a pair of search texts) from the settings object.
#pragma once

#include "editor/changetracker.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <functional>

class CShellDoc;
class CShellSettings;

class CShellView : public QPlainTextEdit
{
    Q_OBJECT
public:
    CShellView(CShellDoc *doc, CShellSettings *settings, QWidget *parent = nullptr);
    ~CShellView() override;

    CShellDoc *document() const { return m_doc; }

    // Colouring of a character range [start, end), whole lines. Installed by the
    // colouring code; none by default.
    static std::function<void(CShellView *, int start, int end)> colourRange;

    // Font, tab stops, background from the settings.
    void applyEditorSetup();
    // Wraps at the window edge when the settings' wrap mode is non-zero.
    void applyWrap();
    // Caret at the start of line n (from 1), that line scrolled to the top;
    // n beyond the end goes to the last line. n <= 0 does nothing.
    void goToLine(int n);
    // Serves the pending positioning request of the settings object (search texts
    // first, else the line number) and clears it.
    void servePositioningRequest();
    // 1-based line of the caret.
    int caretLine() const;
    // Colours the next background chunk; false when there is nothing left.
    bool backgroundColourStep();
    ChangeTracker &tracker() { return m_tracker; }

    // Re-colours the lines holding positions a..b.
    void recolourLines(int a, int b);

    // Text search from the caret; false (after "Suche beendet..." and a beep
    // through onNotFound) when nothing more is found.
    bool findNext(const QString &text, bool caseSensitive, bool backwards = false);
    // Replaces the current match (if the selection is one) and finds the next.
    bool replaceNext(const QString &text, const QString &with, bool caseSensitive);
    int replaceAll(const QString &text, const QString &with, bool caseSensitive);
    std::function<void()> onNotFound;

    // Records the cause of the next edit (e.g. Cut before cut()).
    void announce(ChangeTracker::Cause cause);
    // Replaces the selection with a macro's text ("\n" separated); the caret ends
    // behind it and the document is marked modified. Undoable.
    void insertCommandText(const QString &text);
    // Inserts text at the selection as a programmatic insert.
    void insertText(const QString &text);

signals:
    void activated(CShellView *view);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void onContentsChange(int pos, int removed, int added);
    // Lines longer than this keep their shaped glyphs (see keepShapes).
    static constexpr int LongLine = 4096;
    // The long lines among blocks first..last keep their shaped glyphs: otherwise
    // every paint and caret move shapes the whole line again.
    static void keepShapes(QTextBlock first, const QTextBlock &last);

    CShellDoc *m_doc;
    CShellSettings *m_settings;
    ChangeTracker m_tracker;
    bool m_busy = false;          // the view itself changes formats
    bool m_announced = false;     // a cause was recorded for the coming edit
    ChangeTracker::Cause m_cause = ChangeTracker::Cause::Other;
};
