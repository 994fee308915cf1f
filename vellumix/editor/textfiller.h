// Puts a loaded text into a document in pieces: the first piece at once, the rest in
// steps of a few milliseconds, so that a large file shows at once and the window
// stays responsive while the rest arrives. Pieces end at line breaks, so a line is
// never laid out twice while it grows.
//
// The document records no undo steps while it fills (the undo history starts with
// the complete text); whoever lets the user edit calls finish() first. While a step
// appends, the document's layout keeps quiet; afterwards it tells the new size once.
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

signals:
    // A step added lines after the first previousBlockCount ones. The widget is not
    // told to repaint for every step (what arrives is mostly below the screen).
    void grew(int previousBlockCount);
    // The whole text is in the document.
    void finished();

private:
    // Appends the next piece; false when nothing was left.
    bool appendPiece();
    void step();
    void complete();

    QTextDocument *m_doc;
    QString m_text;
    qsizetype m_offset = 0;
    QTimer m_timer;
};
