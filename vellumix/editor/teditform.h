// One editor child of the frame: shows and edits one LaTeX source, highlights it in
// the seven classes while the user types, and offers find, replace, go-to-line,
// brace matching and the context menu. The file itself is read and written by
// TextDocument; what the editor needs of the frame comes through EditorHost.
//
// Positions (caret, selection) are character offsets into the widget's document,
// where a line break counts as one character.
#pragma once

#include "common/classformats.h"
#include "editor/editorhost.h"
#include "editor/documenthighlighter.h"
#include "editor/textdocument.h"
#include "editor/textfiller.h"
#include "editor/textsearch.h"

#include <QWidget>

class QMenu;
class QPlainTextEdit;
class Prompter;
class TEditView;

class TEditForm : public QWidget {
    Q_OBJECT
public:
    // Fonts, options and questions come from the host, which outlives the editor.
    explicit TEditForm(EditorHost *host, QWidget *parent = nullptr);
    ~TEditForm() override;

    // Loads in a format (a DOS OEM file is converted and marked modified). False
    // when the file could not be read; the message has been shown. A large text
    // shows at once, editable, and the rest arrives in the background (isLoading());
    // what the user changes meanwhile becomes one undo step on the loaded text. Every
    // command of the form that needs the whole text completes it first.
    bool loadFromFile(const QString &fileName, OpenFormat format = OpenFormat::Plain);
    bool isLoading() const { return m_filler.isFilling(); }
    // Puts the rest of a loading text in now.
    void finishLoading();
    // Text arrives at the end of the document, which would push a caret there along:
    // a caret that reached the last line completes the text first and stays put.
    void finishLoadingAtTheEnd();
    // The format the file on disk is in: DOS OEM after an OEM load until the first
    // save (which writes the converted text), else plain. The window list remembers it.
    OpenFormat diskFormat() const { return m_diskFormat; }
    // Save; without a file name it is the interactive Save As. A character the
    // file's encoding cannot hold is never dropped: the user is asked whether to save
    // as UTF-8, and anything but Yes leaves the document unsaved and modified.
    bool save();
    // Saves under a new name (".tex" appended when it has none).
    bool saveAs(const QString &fileName);
    // The interactive Save As with the "TeX Files" and "DOS OEM Text Format" filters;
    // true when the chosen file was written.
    bool saveAsDialog();
    // Writes a code page 850 copy; the editor keeps its name and modified flag.
    bool exportOem(const QString &fileName);
    // Reads the file again (another program changed it): unmodified afterwards, the
    // caret on its line. False when it could not be read (said so; the text stays).
    bool reload();
    // Replaces the whole text with text that did not come from typing (recovered
    // text), keeping the caret on its line; modified as given.
    bool replaceText(const QString &text, bool modified);
    // The encoding and line-break style the next save writes (recovered text keeps
    // those of its document).
    void setFileFormat(TextCodec::Encoding encoding, TextFile::LineBreak lineBreak);
    // Names a document that has no file yet under that name (recovered text of a
    // file that is gone): the caption follows, nothing is read or written.
    void setDocumentName(const QString &fileName);

    QString fileName() const;
    // Window caption: the short name, or "Unnamed" + counter for a new document.
    QString caption() const { return windowTitle(); }
    void setCaption(const QString &caption);
    bool isModified() const;
    void setModified(bool modified);
    int caretPosition() const;
    void setCaretPosition(int position);
    // 1-based, for the status bar and the %l placeholder.
    int caretLine() const;
    int caretColumn() const;
    // Asks "Save changes to ...?" when modified; false means Cancel (or a failed save).
    bool queryClose();
    // Wraps the selection: before + selection + after; the old selection stays selected.
    // CR LF (or a lone CR) in the texts is one line break.
    void insert(const QString &before, const QString &after);
    QPlainTextEdit *editor() const;
    // The document's text with '\n' between lines, exactly as it will be saved.
    QString plainText() const;

    // Go to line n (1-based) and select it; n <= 0 does nothing.
    void goToLine(int line);
    void goToLineDialog();

    // Find from the end of the selection; selects the match or says "Text not found".
    bool findNext(const FindOptions &options);
    // The replace dialog's Find Next: "End of document reached!" at the end.
    bool replaceFindNext(const FindOptions &options);
    void replaceOnce(const FindOptions &options);
    // Returns the number of replacements.
    int replaceAll(const FindOptions &options);
    bool endReached() const { return m_endReached; }

    // "F&ind {}": enabled iff the character after the caret is a brace.
    bool canMatchBrace() const;
    void matchBrace();

    // Context-menu commands.
    void openAtCaret();
    void executeAtCaret();
    void updateSelection();

    // Highlighting: in full, in a range, removed. Colours are layout formats: none of
    // them changes the text, its undo history or the modified flag. In full (also after
    // a load) the lines on the screen are coloured first and the rest in the background.
    void highlightAll();
    void highlightRange(int start, int length);
    void removeHighlighting();
    // Takes the host's fonts, background and highlighting option and recolours the
    // whole text, keeping the modified flag (options, appearance dialog).
    void refreshAppearance();
    // Takes the host's word-wrap option.
    void applyWordWrap();

    // True when no line waits for its colours; finishHighlighting() colours them now.
    bool highlightingDone() const { return m_highlighter.isDone(); }
    void finishHighlighting() { m_highlighter.finish(); }
    // The highlighting class of the character at pos, as its colours show it.
    TokenClass classAt(int pos) const;
    // The format the character at pos is shown in (its class's).
    QTextCharFormat formatAt(int pos) const;
    const ClassFormats &formats() const { return m_formats; }
    const TextDocument &document() const { return m_document; }

    EditorHost *host() const { return m_host; }
    QMenu *contextMenu() const;

signals:
    void modifiedChanged(bool modified);
    void captionChanged(const QString &caption);
    void fileNameChanged(const QString &fileName);
    // The text was written to fileName by save() (not by the OEM export).
    void saved(const QString &fileName);
    // 1-based line and column of the caret.
    void caretMoved(int line, int column);
    // The whole text of a load is in the widget.
    void loadFinished();
    // Every line has its colours.
    void highlightingFinished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Prompter &prompter() const;
    bool highlighting() const;
    // Replaces the whole content (in the background when it is large).
    void fill(QString text);
    void onFillFinished();
    // The standard font, background and text colour on the widget.
    void applyStandardFormat();
    QString textRange(int from, int to) const;
    QString selectedText() const;
    int findInDocument(int from, const FindOptions &options);
    void selectRange(int start, int end);
    void emitCaret();

    EditorHost *m_host;
    TEditView *m_edit = nullptr;
    TextDocument m_document;
    ClassFormats m_formats;
    DocumentHighlighter m_highlighter;
    TextFiller m_filler;
    OpenFormat m_diskFormat = OpenFormat::Plain;
    int m_filling = 0;          // > 0 while the content is replaced: no modified signals
    bool m_lastModified = false;
    // The modified flag of a load before the user changed its arriving text.
    bool m_loadModified = false;
    // Caret (anchor, position) and scroll values kept while the user's changes during
    // a load are recorded for undo.
    int m_keptAnchor = 0;
    int m_keptPosition = 0;
    std::pair<int, int> m_keptScroll;
    // A caret in the last line while text arrives there: (anchor, position), else (-1, -1).
    std::pair<int, int> m_caretAtTheEnd{-1, -1};
    bool m_endReached = false;
    bool m_discardApproved = false;
};
