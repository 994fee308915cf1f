// Colouring in a real main frame, typed as a user would; the dialog
// "Syntax-Highlighting"; umlauts an input method commits; large files loaded in
// steps.
#include "editor/cshellview.h"

#include "common/commandids.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "editor/csyntaxdialog.h"
#include "editor/editorcommands.h"
#include "framefixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

namespace {

const QColor Blue(0, 0, 255), Red(255, 0, 0), Grey(192, 192, 192), Black(0, 0, 0), Green(0, 255, 0);

class ViewTest : public FrameTest
{
protected:
    // A frame with colouring switched on in the settings file.
    CMainFrame *makeColouringFrame()
    {
        testsupport::writeFile(path(QStringLiteral("cfg/Scriblet.ini")), "[Farben]\r\nSyntax Highlightning=1\r\n");
        return makeFrame();
    }
    // Records the lines a view colours.
    void record(CShellView *v)
    {
        QObject::connect(v, &CShellView::linesColoured, v, [this](int s, int e) { coloured.append({s, e}); });
    }
    static QColor colourAt(CShellView *v, int pos) { return v->shownFormat(pos).foreground().color(); }
    static bool boldAt(CShellView *v, int pos) { return v->shownFormat(pos).fontWeight() == QFont::Bold; }
    // Sends text as typed key events.
    static void type(QWidget *w, const QString &text)
    {
        for (QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &press);
        }
    }
    // Answers the next modal dialog of type D.
    template<typename D> void answerDialog(std::function<void(D *)> answer)
    {
        QTimer::singleShot(0, [answer] {
            if (auto *d = qobject_cast<D *>(QApplication::activeModalWidget()))
                answer(d);
        });
    }

    QList<std::pair<int, int>> coloured;
};

TEST_F(ViewTest, LatexIsColouredAsTheUserReadsIt)
{
    makeColouringFrame();
    //                      0         1         2         3
    //                      0123456789012345678901234567890123456789
    const QByteArray text = "\\section{Titel} % Kommentar\n"   // 0..27
                            "\\begin{itemize} itemize\n"        // 28..51
                            "50\\% mehr % Rest $x$ [a]\n";      // 52..
    CShellView *v = docs().openDocument(file(QStringLiteral("c.tex"), text));
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(colourAt(v, 0), Blue);  // "\" of \section
    EXPECT_EQ(colourAt(v, 7), Blue);
    EXPECT_EQ(colourAt(v, 8), Red);   // {
    EXPECT_EQ(colourAt(v, 9), Black); // Titel
    EXPECT_FALSE(boldAt(v, 9));
    EXPECT_EQ(colourAt(v, 14), Red);  // }
    for (int i = 16; i < 27; ++i)
        EXPECT_EQ(colourAt(v, i), Grey) << i;
    EXPECT_EQ(colourAt(v, 35), Black); // itemize after "{": black and bold
    EXPECT_TRUE(boldAt(v, 35));
    EXPECT_FALSE(boldAt(v, 44));       // the same word elsewhere
    EXPECT_EQ(colourAt(v, 54), Blue);  // \% is a command ...
    EXPECT_EQ(colourAt(v, 56), Black); // ... and starts no comment
    EXPECT_EQ(colourAt(v, 62), Grey);  // the bare % does
    EXPECT_EQ(v->palette().color(QPalette::Base), QColor(255, 255, 255));
    // Colours are no edit: no undo step, no modification, the caret stays.
    EXPECT_FALSE(v->document()->textDocument()->isUndoAvailable());
    EXPECT_FALSE(v->document()->isModified());
    EXPECT_EQ(v->textCursor().position(), 0);
}

TEST_F(ViewTest, TypingColoursTheTypedLineOnly)
{
    makeColouringFrame();
    QByteArray text = "% Kommentar eins\n";
    for (int i = 0; i < 30; ++i)
        text += "Zeile ohne Markup\n";
    CShellView *v = docs().openDocument(file(QStringLiteral("t.tex"), text));
    record(v);
    QTextCursor c = v->textCursor();
    c.setPosition(5);
    v->setTextCursor(c);
    QTest::keyClick(v, Qt::Key_Delete); // inside the comment
    ASSERT_EQ(coloured.size(), 1);
    EXPECT_EQ(coloured.first(), (std::pair<int, int>{0, 15}));
    EXPECT_EQ(colourAt(v, 14), Grey);

    c.setPosition(16); // start of the second line
    v->setTextCursor(c);
    type(v, QStringLiteral("\\section{"));
    EXPECT_EQ(colourAt(v, 16), Blue);
    EXPECT_EQ(colourAt(v, 24), Red);
    QTest::keyClick(v, Qt::Key_Left);
    type(v, QStringLiteral("x")); // more letters: no keyword any more
    EXPECT_EQ(colourAt(v, 16), Black);
    EXPECT_TRUE(v->document()->isModified());
    v->undo();
    EXPECT_EQ(colourAt(v, 16), Blue);
}

TEST_F(ViewTest, ColouringOffLeavesTextPlainAndBackgroundAsIs)
{
    makeFrame();
    CShellView *v = docs().openDocument(file(QStringLiteral("o.tex"), "\\section{A} % b\n"));
    const QPalette plain = QApplication::palette(v);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(colourAt(v, i), plain.color(QPalette::Text)) << i;
        EXPECT_FALSE(boldAt(v, i)) << i;
    }
    EXPECT_EQ(v->palette().color(QPalette::Base), plain.color(QPalette::Base));
}

// "Abbrechen" writes nothing, but what changed in the dialog stays for the run;
// OK writes "Farben" in its order and colours open documents again without
// marking them modified. Switching off takes the colours away.
TEST_F(ViewTest, SyntaxDialogCancelKeepsForTheRunOkWritesAndRecolours)
{
    CMainFrame *f = makeColouringFrame();
    CShellView *v = docs().openDocument(file(QStringLiteral("d.tex"), "\\section{A}\n"));
    EXPECT_EQ(colourAt(v, 0), Blue);
    m_prompter.colourAnswer = Green;
    answerDialog<CSyntaxDialog>([](CSyntaxDialog *d) {
        d->findChild<QComboBox *>(QStringLiteral("ColourList"))->setCurrentIndex(0); // commands
        d->findChild<QPushButton *>(QStringLiteral("ColourBtn"))->click();
        d->findChild<QPushButton *>(QStringLiteral("CancelBtn"))->click();
    });
    cmd(Cmd::SyntaxHighlighting)->trigger();
    EXPECT_EQ(m_prompter.coloursOffered, QList<QColor>{Blue});
    EXPECT_FALSE(m_settings->profile().hasKey(ShellIni::Farben, QStringLiteral("LaTex Befehle")));
    EXPECT_EQ(m_settings->colours[ColourCommands], 0x00ff00u);
    EXPECT_EQ(colourAt(v, 0), Blue); // no view is touched

    answerDialog<CSyntaxDialog>([](CSyntaxDialog *d) { d->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click(); });
    cmd(Cmd::SyntaxHighlighting)->trigger();
    EXPECT_EQ(m_settings->profile().sectionKeys(ShellIni::Farben),
              (QStringList{"Syntax Highlightning", "Eckige Klammern", "Geschweifte Klammern", "Bemerkung", "MatheMode",
                           "LaTex Befehle", "Normaler Text", "Hintergrund"}));
    EXPECT_EQ(m_settings->profile().getInt(ShellIni::Farben, QStringLiteral("LaTex Befehle"), 0), 0x00ff00);
    EXPECT_EQ(colourAt(v, 0), Green);
    EXPECT_FALSE(v->document()->isModified());
    EXPECT_EQ(v->document()->title(), QStringLiteral("d.tex"));

    answerDialog<CSyntaxDialog>([](CSyntaxDialog *d) {
        d->findChild<QPushButton *>(QStringLiteral("DefaultBtn"))->click();
        d->findChild<QCheckBox *>(QStringLiteral("SyntaxCheck"))->setChecked(false);
        EXPECT_FALSE(d->findChild<QPushButton *>(QStringLiteral("ColourBtn"))->isEnabled());
        d->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
    });
    cmd(Cmd::SyntaxHighlighting)->trigger();
    EXPECT_EQ(m_settings->profile().getInt(ShellIni::Farben, QStringLiteral("Syntax Highlightning"), 9), 0);
    EXPECT_EQ(m_settings->profile().getInt(ShellIni::Farben, QStringLiteral("LaTex Befehle"), 0), 16711680);
    EXPECT_EQ(colourAt(v, 0), QApplication::palette(v).color(QPalette::Text));
    Q_UNUSED(f);
}

// Text an input method commits is typed text: each German special character is
// replaced once, the rest stays.
TEST_F(ViewTest, UmlautsFromAnInputMethodAreConvertedOnce)
{
    makeFrame();
    m_settings->language = 0;
    m_settings->umlauts[UmlautUe] = QString::fromUtf8("ü"); // a replacement holding an umlaut
    CShellView *v = docs().newDocument();
    QInputMethodEvent preedit(QStringLiteral("a"), {});
    QApplication::sendEvent(v, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("äßü"));
    QApplication::sendEvent(v, &commit);
    EXPECT_EQ(v->toPlainText(), QString::fromUtf8("\"a\"sü"));
    EXPECT_TRUE(v->document()->isModified());

    m_settings->language = 1;
    QInputMethodEvent english;
    english.setCommitString(QString::fromUtf8("ä"));
    QApplication::sendEvent(v, &english);
    EXPECT_EQ(v->toPlainText(), QString::fromUtf8("\"a\"süä"));
}

// A file large enough to be read on a worker and filled in steps arrives whole:
// its text, its bytes on an unchanged save, no undo step, caret at the top.
TEST_F(ViewTest, LargeFileLoadsInStepsIntact)
{
    makeColouringFrame();
    QByteArray bytes;
    for (int i = 0; bytes.size() < 1200 * 1024; ++i)
        bytes += "Zeile " + QByteArray::number(i) + " mit \\textbf{fett} und \xc3\xa4 % Notiz\r\n";
    const QString name = file(QStringLiteral("big.tex"), bytes);
    CShellView *v = docs().openDocument(name);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->document()->textDocument()->blockCount(), bytes.count("\r\n") + 1);
    EXPECT_FALSE(v->document()->isModified());
    EXPECT_FALSE(v->document()->textDocument()->isUndoAvailable());
    EXPECT_FALSE(v->isReadOnly());
    EXPECT_EQ(v->textCursor().position(), 0);
    EXPECT_GT(v->verticalScrollBar()->maximum(), 10000); // the view knows the whole text
    EXPECT_EQ(v->document()->fileBytes(), bytes);
    EXPECT_FALSE(v->tracker().backgroundDone());
    EXPECT_EQ(colourAt(v, 16), Blue); // the first chunk at once
}

// The main window closed while a large file is being put into its editor: the
// half-loaded text is no edit, so nothing is saved over the file.
TEST_F(ViewTest, ClosingWhileAFileLoadsSavesNothing)
{
    CMainFrame *f = makeFrame();
    f->show();
    QByteArray bytes;
    for (int i = 0; bytes.size() < 3 * 1024 * 1024; ++i)
        bytes += "Zeile " + QByteArray::number(i) + " \\section{x}\n";
    const QString name = file(QStringLiteral("closing.tex"), bytes);
    QObject::connect(&docs(), &DocumentManager::documentAdded, f, [f](CChildFrame *) {
        QTimer::singleShot(0, f, [f] { f->close(); });
    });
    docs().openDocument(name);
    QApplication::processEvents();
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(m_prompter.questions.isEmpty());
    EXPECT_EQ(testsupport::readAll(name), bytes);
}

// A line far longer than a background chunk is visited once, not once per
// chunk (a 1 MB line made the window hang), and the lines after it are coloured.
// A line over the colouring limit stays plain; one under it is coloured.
TEST_F(ViewTest, LongLinesAreVisitedOnceAndHugeOnesStayPlain)
{
    makeColouringFrame();
    QByteArray bytes;
    while (bytes.size() < 200 * 1000)
        bytes += "Text \\emph{x} ";
    bytes += "\n\\textbf{fett}\n";
    const QString name = file(QStringLiteral("longline.tex"), bytes);
    CShellView *v = docs().openDocument(name);
    ASSERT_NE(v, nullptr);
    while (v->document()->isLoading())
        QApplication::processEvents();
    v->tracker().resetBackground(); // from the top, whatever idle time did already
    int steps = 0;
    while (v->backgroundColourStep())
        ++steps;
    EXPECT_LE(steps, 2);
    const int second = v->document()->textDocument()->findBlockByNumber(1).position();
    EXPECT_EQ(colourAt(v, second + 1), Blue);
    EXPECT_EQ(colourAt(v, 6), Black); // over the limit: plain

    // Cut below the limit the line is coloured again; undone, it is plain again.
    QTextCursor c(v->document()->textDocument());
    c.setPosition(1000);
    c.setPosition(second - 1, QTextCursor::KeepAnchor);
    v->setTextCursor(c);
    QTest::keyClick(v, Qt::Key_Delete);
    EXPECT_EQ(colourAt(v, 6), Blue);
    v->undo();
    EXPECT_EQ(v->document()->textDocument()->firstBlock().length(), second);
    EXPECT_EQ(colourAt(v, 6), Black);

    QByteArray under;
    while (under.size() < CShellView::ColourLineLimit - 100)
        under += "Text \\emph{x} ";
    CShellView *w = docs().openDocument(file(QStringLiteral("under.tex"), under + "\n"));
    ASSERT_NE(w, nullptr);
    while (w->document()->isLoading())
        QApplication::processEvents();
    w->tracker().resetBackground();
    while (w->backgroundColourStep()) {
    }
    EXPECT_EQ(colourAt(w, 6), Blue);
    EXPECT_EQ(colourAt(w, under.size() - 8), Blue); // the last \\emph
}

} // namespace

// A line far wider than the window is drawn only where the window shows it: it
// must look exactly as when drawn whole, plain or coloured, selected or not,
// wherever it is scrolled to, and the lines around it too.
TEST_F(ViewTest, AVeryLongLineLooksTheSameDrawnInPart)
{
    makeColouringFrame()->show();
    QByteArray bytes = "\\section{kurz} vorher\n";
    while (bytes.size() < 3 * CShellView::ColourLineLimit)
        bytes += "Text \\emph{x} und $a^2$ % mehr ";
    bytes += "\n";
    while (bytes.size() < 4 * CShellView::ColourLineLimit) // long, but coloured
        bytes += "Text \\emph{x} und $a^2$ % mehr ";
    bytes += "\n\\textbf{fett} danach\n";
    CShellView *v = docs().openDocument(file(QStringLiteral("wide.tex"), bytes));
    ASSERT_NE(v, nullptr);
    while (v->document()->isLoading() || !v->tracker().backgroundDone())
        QApplication::processEvents();
    // The same text drawn whole by the plain editor.
    QPlainTextEdit whole;
    whole.setLineWrapMode(QPlainTextEdit::NoWrap);
    whole.setFont(v->font());
    whole.setPalette(v->palette());
    whole.setDocument(v->document()->textDocument());
    whole.resize(v->size());
    whole.show();
    QApplication::processEvents();
    ASSERT_EQ(whole.viewport()->size(), v->viewport()->size());

    QTextCursor sel(v->document()->textDocument());
    sel.setPosition(30);
    sel.setPosition(int(bytes.size()) - 30, QTextCursor::KeepAnchor); // into the last line
    const int max = v->horizontalScrollBar()->maximum();
    ASSERT_EQ(whole.horizontalScrollBar()->maximum(), max);
    for (bool selected : {false, true}) {
        if (selected) {
            v->setTextCursor(sel);
            whole.setTextCursor(sel);
        }
        for (int x : {0, 333, 40000, max / 2 + 7, max}) {
            v->horizontalScrollBar()->setValue(x);
            whole.horizontalScrollBar()->setValue(x);
            const QImage part = v->viewport()->grab().toImage();
            EXPECT_EQ(part, whole.viewport()->grab().toImage()) << "scrolled to " << x << (selected ? ", selected" : "");
        }
    }
}
