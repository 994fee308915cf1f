// The editor view: a plain-text editor over a CShellDoc, set up from the shared
// settings (font, tab stops every fifth of an inch, background, word wrap). It
// colours LaTeX (ColourScanner) while the user types: it tracks what kind of
// change each edit was (ChangeTracker) and re-colours only the touched lines; a
// freshly loaded text is coloured in 500-character chunks at idle time. It serves
// positioning requests (line number or a pair of search texts) from the settings
// object.
//
// Colours are formats of the text layout, not of the text: they never enter the
// undo history, never mark the document modified and never move the caret.
#pragma once

#include "editor/changetracker.h"
#include "editor/colourscanner.h"
#include "editor/cshelldoc.h"
#include "platform/textview/plaintextview.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextLayout>
#include <array>
#include <functional>
#include <optional>

class CShellSettings;

class CShellView : public PlainTextView
{
    Q_OBJECT
public:
    CShellView(CShellDoc *doc, CShellSettings *settings, QWidget *parent = nullptr);
    ~CShellView() override;

    CShellDoc *document() const { return m_doc; }

    // Fills view's (empty) document from a reading step by step; between the
    // steps the windows repaint (user input waits). The view shows the text from
    // its top when done. False when the view was closed meanwhile (it is gone).
    static bool load(CShellView *view, CShellDoc::Reading reading);

    // Font, tab stops, background and the token colours from the settings.
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
    ChangeTracker &tracker() { return m_tracker; }

    // --- Colouring -------------------------------------------------------------
    // Re-colours the lines holding positions a..b.
    void recolourLines(int a, int b);
    // Colours [start, end): each token in its class's colour, the rest plain.
    // With colouring off it removes what an earlier colouring left.
    void colourRange(int start, int end);
    // Background colouring for about budgetMs: first the lines on screen that the
    // chunks have not reached, then the next 500-character chunks. False when
    // nothing is left.
    bool colourInBackground(int budgetMs);
    // One 500-character chunk; false when nothing is left.
    bool backgroundColourStep();
    // The settings ask for colouring.
    bool colouringOn() const;
    // Colour and weight of the character at pos as the view shows it.
    QTextCharFormat shownFormat(int pos) const;
    // Characters [first, last) of the text on screen.
    std::pair<int, int> visibleRange() const;

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
    // The lines [start, end) were (re-)coloured.
    void linesColoured(int start, int end);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void onContentsChange(int pos, int removed, int added);
    // Lines longer than this keep their shaped glyphs (see keepShapes).
    static constexpr int LongLine = 4096;
public:
    // Lines longer than this (generated or pasted text, never typed prose) stay
    // plain: colouring one re-lays out the whole line on every key, about a
    // second per key for a 1 MB line.
    static constexpr int ColourLineLimit = 20000;
private:
    // The long lines among blocks first..last keep their shaped glyphs: otherwise
    // every paint and caret move shapes the whole line again. Lines over the
    // colouring limit are set in the plain long-line format.
    void keepShapes(QTextBlock first, const QTextBlock &last);
    // The layout formats a line gets when colouring is off or it is too long to
    // colour: the plain long-line format over all of it, or none.
    static QList<QTextLayout::FormatRange> plainRanges(const QTextBlock &b);
    // Typed text with every German special character replaced (while German);
    // nullopt when nothing was replaced.
    std::optional<QString> convertUmlauts(const QString &typed) const;
    // Tells the layout that [from, to) looks different now.
    void markDirty(int from, int to);

    CShellDoc *m_doc;
    CShellSettings *m_settings;
    ChangeTracker m_tracker;
    ColourScanner m_scanner; // from the keyword lists at creation
    // Comment, curly braces, square brackets, environment name, command,
    // mathematics (ColourScanner::Token order), taken at each editor setup.
    std::array<QTextCharFormat, 6> m_tokenFormats;
    bool m_everColoured = false;  // some line has colours (to clear when off)
    bool m_everLong = false;      // some line had the long-line format
    bool m_inEdit = false;        // inside the document's change notification
    bool m_collectDirty = false;  // a background pass gathers what it changed ...
    int m_dirtyFrom = -1;         // ... here, for one notice to the layout
    int m_dirtyTo = -1;
    bool m_announced = false;     // a cause was recorded for the coming edit
    ChangeTracker::Cause m_cause = ChangeTracker::Cause::Other;
};
