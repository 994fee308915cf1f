// Puts a loaded text into a document in pieces: the first piece at once, the rest in
// steps of a few milliseconds, so that a large file shows at once and the window
// stays responsive while the rest arrives. Pieces end at line breaks, so a line is
// never laid out twice while it grows.
//
// The user may edit the part that is in while the rest arrives. The document records
// no undo steps while it fills; the user's changes meanwhile are followed as one span,
// and when the text is complete they are put back as one undo step on the loaded text
// (undo gives the file as it was read). The text must have '\n' line breaks, so that
// a position in the document is the same position in the text.
// While a step appends, the document's layout keeps quiet; afterwards it tells the
// new size once.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QTextDocument;

class TextFiller : public QObject {
    Q_OBJECT
public:
    // About this many characters go into the document per piece.
    static constexpr int PieceChars = 16 * 1024;
    // A step ends after this many milliseconds.
    static constexpr int StepBudgetMs = 20;

    explicit TextFiller(QTextDocument *document, QObject *parent = nullptr);

    // Replaces the document's text by text: the first piece now, the rest in steps.
    void start(QString text);
    // Puts the rest in now.
    void finish();
    bool isFilling() const { return m_offset < m_text.size(); }
    // The text not yet in the document.
    QStringView pending() const { return QStringView(m_text).mid(m_offset); }
    // The user changed the text while it arrived (from the first such change until the
    // next start()).
    bool wasEdited() const { return m_edited; }

signals:
    // Lines are about to be added at the end (a cursor there would be pushed along).
    void aboutToGrow();
    // A step added lines after the first previousBlockCount ones. The widget is not
    // told to repaint for every step (what arrives is mostly below the screen).
    void grew(int previousBlockCount);
    // The first change the user made while the text arrives.
    void edited();
    // The user's changes are about to be put back as an undo step: cursors on them move.
    void aboutToRecordEdits();
    // The whole text is in the document.
    void finished();

private:
    // Appends the next piece; false when nothing was left.
    bool appendPiece();
    void step();
    void complete();
    void onContentsChange(int position, int removed, int added);
    // Puts the user's changes back as one undo step on the loaded text.
    void recordEdits();

    QTextDocument *m_doc;
    QString m_text;
    qsizetype m_offset = 0;
    QTimer m_timer;
    // True while the filler itself changes the document.
    bool m_appending = false;
    bool m_edited = false;
    // The span the user changed, in document positions [m_editFrom, m_editTo), and how
    // much longer it is than the loaded text it replaced.
    qsizetype m_editFrom = -1;
    qsizetype m_editTo = -1;
    qsizetype m_editGrowth = 0;
};
