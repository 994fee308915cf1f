// The editor commands inside the real main frame: word wrap, font, find, macros,
// umlauts and symbols, driven as a user would.
#include "editor/editorcommands.h"
#include "bars/ccustomtoolbar.h"

#include "common/commandids.h"
#include "editor/cmacrodialog.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "editor/cumlautdialog.h"
#include "editor/macrofile.h"
#include "editor/symbols.h"
#include "framefixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QFileInfo>
#include <QDir>
#include <sys/stat.h>
#include <QTest>
#include <QToolBar>

namespace {

class EditorCommandsTest : public FrameTest
{
};

// Types text character by character as key events (QTest only knows ASCII keys).
void typeText(QWidget *w, const QString &text)
{
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &release);
    }
}

TEST_F(EditorCommandsTest, WordWrapReachesEveryOpenDocumentAndIsStored)
{
    makeFrame();
    CShellView *a = docs().openDocument(file(QStringLiteral("a.tex"), "a"));
    CShellView *b = docs().openDocument(file(QStringLiteral("b.tex"), "b"));
    EXPECT_EQ(a->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_FALSE(cmd(Cmd::WordWrap)->isChecked());
    cmd(Cmd::WordWrap)->trigger();
    EXPECT_TRUE(cmd(Cmd::WordWrap)->isChecked());
    EXPECT_EQ(a->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(b->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(m_settings->profile().getInt(ShellIni::General, QStringLiteral("WrapMode"), 9), 1);
    cmd(Cmd::WordWrap)->trigger();
    EXPECT_EQ(a->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(m_settings->profile().getInt(ShellIni::General, QStringLiteral("WrapMode"), 9), 0);
}

TEST_F(EditorCommandsTest, StoredWrapModeAppliesToNewViews)
{
    testsupport::writeFile(path(QStringLiteral("cfg/Scriblet.ini")), "[General]\r\nWrapMode=1\r\n");
    makeFrame();
    EXPECT_EQ(docs().newDocument()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST_F(EditorCommandsTest, FindReportsTheEndWithMessageAndBeep)
{
    makeFrame();
    CShellView *v = docs().openDocument(file(QStringLiteral("f.tex"), "abc abc"));
    EXPECT_TRUE(v->findNext(QStringLiteral("abc"), false));
    EXPECT_TRUE(v->findNext(QStringLiteral("abc"), false));
    EXPECT_FALSE(v->findNext(QStringLiteral("abc"), false));
    EXPECT_EQ(m_prompter.messages, QStringList{QStringLiteral("Suche beendet...")});
    EXPECT_EQ(m_prompter.beeps, 1);
    EXPECT_EQ(v->replaceAll(QStringLiteral("abc"), QStringLiteral("x"), true), 2);
    EXPECT_EQ(v->toPlainText(), QStringLiteral("x x"));
}

TEST_F(EditorCommandsTest, FontCommandStoresFontAndReachesOpenViews)
{
    CMainFrame *f = makeFrame();
    CShellView *a = docs().openDocument(file(QStringLiteral("a.tex"), "a"));
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(20);
    font.setBold(true);
    ASSERT_TRUE(f->editorCommands()->applyEditorFont(font));
    EXPECT_EQ(a->font().pixelSize(), 20);
    EXPECT_TRUE(a->font().bold());
    EXPECT_EQ(m_settings->profile().getInt(ShellIni::Font, QStringLiteral("Height"), 0), -20);
    EXPECT_EQ(m_settings->profile().getInt(ShellIni::Font, QStringLiteral("Weight"), 0), 700);
    EXPECT_EQ(docs().newDocument()->font().pixelSize(), 20);
}

TEST_F(EditorCommandsTest, MacroBarCarriesTheMacrosAndShiftF3InsertsMacroThree)
{
    CMainFrame *f = makeFrame();
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("cfg/Scriblet.macros"))));
    QToolBar *bar = f->toolBar(864);
    ASSERT_EQ(bar->actions().size(), 10);
    EXPECT_EQ(bar->actions().at(2)->text(), QStringLiteral("Makro 3"));
    EXPECT_FALSE(bar->actions().at(2)->icon().isNull());
    EXPECT_EQ(cmd(Cmd::Macro1 + 2)->statusTip(), QString::fromUtf8("Makro Makro 3 wird in den Text eingefügt..."));

    CShellView *v = docs().openDocument(file(QStringLiteral("m.tex"), "ab"));
    QTextCursor c = v->textCursor();
    c.setPosition(1);
    v->setTextCursor(c);
    f->show();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    v->setFocus();
    QTest::keyClick(v, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(v->toPlainText(), QStringLiteral("aMakro 3b"));
    EXPECT_EQ(v->textCursor().position(), 8);
    EXPECT_EQ(v->document()->title(), QStringLiteral("m.tex *"));
    v->undo();
    EXPECT_EQ(v->toPlainText(), QStringLiteral("ab"));
}

// A macro name of any length in "Scriblet.macros" is cut for the button as for
// its tooltip: the main window keeps a usable width.
TEST_F(EditorCommandsTest, LongMacroNameIsCutOnTheButton)
{
    MacroTable table;
    for (int i = 0; i < 10; ++i)
        table.names[i] = QStringLiteral("M%1").arg(i);
    table.names[0] = QString(300, u'n');
    table.names[1] = QString(1 << 20, u'w');
    ASSERT_TRUE(MacroFile::save(path(QStringLiteral("cfg")), table));
    CMainFrame *f = makeFrame();
    QToolBar *bar = f->toolBar(864);
    for (int i : {0, 1}) {
        EXPECT_EQ(bar->actions().at(i)->text().size(), 80) << i;
        EXPECT_EQ(bar->actions().at(i)->toolTip().size(), 80) << i;
        EXPECT_LT(bar->widgetForAction(bar->actions().at(i))->sizeHint().width(), 1000) << i;
    }
}

// A macros file that is a FIFO is refused without blocking the start; the default
// macros apply and the FIFO is left alone.
TEST_F(EditorCommandsTest, MacrosFileThatIsAFifoIsReportedAndKept)
{
    QDir().mkpath(path(QStringLiteral("cfg")));
    const QString fifo = path(QStringLiteral("cfg/Scriblet.macros"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    CMainFrame *f = makeFrame();
    ASSERT_EQ(m_prompter.messages.size(), 1);
    EXPECT_TRUE(m_prompter.messages.first().contains(fifo));
    EXPECT_EQ(f->toolBar(864)->actions().at(2)->text(), QStringLiteral("Makro 3"));
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

TEST_F(EditorCommandsTest, EditedMacrosAreSavedAndShownAtOnce)
{
    CMainFrame *f = makeFrame();
    MacroTable t = MacroTable::defaults();
    t.names[0] = QStringLiteral("Figur");
    t.texts[0] = QStringLiteral("\\begin{figure}\n\\end{figure}");
    ASSERT_TRUE(f->editorCommands()->applyMacros(t));
    EXPECT_EQ(f->toolBar(864)->actions().at(0)->text(), QStringLiteral("Figur"));
    EXPECT_EQ(MacroFile::load(path(QStringLiteral("cfg"))), t);
    CShellView *v = docs().newDocument();
    EXPECT_TRUE(f->editorCommands()->insertMacro(0));
    EXPECT_EQ(v->toPlainText(), QStringLiteral("\\begin{figure}\n\\end{figure}"));
}

TEST(MacroDialogTest, CancelKeepsEveryMacroAndOkTakesTheEdits)
{
    const MacroTable before = MacroTable::defaults();
    CMacroDialog dlg(before);
    auto *key = dlg.findChild<QComboBox *>(QStringLiteral("KeyCombo"));
    auto *name = dlg.findChild<QLineEdit *>(QStringLiteral("NameEdit"));
    auto *text = dlg.findChild<QPlainTextEdit *>(QStringLiteral("TextEdit"));
    ASSERT_TRUE(key && name && text);
    EXPECT_EQ(key->count(), 12);
    EXPECT_EQ(key->currentText(), QStringLiteral("F01"));
    name->setText(QStringLiteral("Eins"));
    key->setCurrentIndex(2);
    EXPECT_EQ(name->text(), QStringLiteral("Makro 3"));
    text->setPlainText(QStringLiteral("drei\nzeilen"));
    key->setCurrentIndex(10); // F11: no macro
    EXPECT_TRUE(name->isReadOnly());
    name->setText(QStringLiteral("ignored"));
    key->setCurrentIndex(0);
    EXPECT_EQ(name->text(), QStringLiteral("Eins"));

    dlg.accept();
    const MacroTable after = dlg.table();
    EXPECT_EQ(after.names[0], QStringLiteral("Eins"));
    EXPECT_EQ(after.texts[2], QStringLiteral("drei\nzeilen"));
    for (int i = 3; i < 10; ++i)
        EXPECT_EQ(after.names[i], before.names[i]);

    CMacroDialog cancelled(before);
    cancelled.findChild<QLineEdit *>(QStringLiteral("NameEdit"))->setText(QStringLiteral("x"));
    cancelled.reject();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}

TEST_F(EditorCommandsTest, TypedUmlautsBecomeTheirReplacementsWhileGerman)
{
    CMainFrame *f = makeFrame();
    m_settings->language = 0;
    CShellView *v = docs().openDocument(file(QStringLiteral("u.tex"), "Gr\xc3\xbc\xc3\x9f" "e\n"));
    EXPECT_EQ(v->toPlainText(), QString::fromUtf8("Grüße\n")); // loading converts nothing
    v->selectAll();
    typeText(v, QString::fromUtf8("Grüße"));
    EXPECT_EQ(v->toPlainText(), QStringLiteral("Gr\"u\"se"));

    // A selection is replaced; an empty replacement still marks the document.
    v->selectAll();
    typeText(v, QString(QChar(0xc4)));
    EXPECT_EQ(v->toPlainText(), QStringLiteral("\"A"));
    ASSERT_EQ(docs().saveAll(), true);
    std::array<QString, 7> values = m_settings->umlauts;
    values[UmlautSz] = QString();
    ASSERT_TRUE(f->editorCommands()->applyUmlauts(values));
    EXPECT_EQ(m_settings->profile().getString(ShellIni::Umlaute, QStringLiteral("sz"), QStringLiteral("x")), QString());
    EXPECT_EQ(m_settings->profile().getString(ShellIni::Umlaute, QStringLiteral("klein a")), QStringLiteral("\"a"));
    typeText(v, QString(QChar(0xdf)));
    EXPECT_EQ(v->toPlainText(), QStringLiteral("\"A"));
    EXPECT_TRUE(v->document()->isModified());

    // Other languages type the characters themselves; the command is greyed.
    m_settings->language = 1;
    v->selectAll();
    typeText(v, QString::fromUtf8("ü"));
    EXPECT_EQ(v->toPlainText(), QString::fromUtf8("ü"));
    emit f->menu(QStringLiteral("menuSettings"))->aboutToShow();
    EXPECT_FALSE(cmd(Cmd::UmlautSettings)->isEnabled());
    m_settings->language = 0;
    emit f->menu(QStringLiteral("menuSettings"))->aboutToShow();
    EXPECT_TRUE(cmd(Cmd::UmlautSettings)->isEnabled());
}

TEST(UmlautDialogTest, ShowsAndReturnsTheSevenTexts)
{
    std::array<QString, 7> in = {"1", "2", "3", "4", "5", "6", "7"};
    CUmlautDialog dlg(in);
    auto *sz = dlg.findChild<QLineEdit *>(QStringLiteral("edit32991"));
    auto *ae = dlg.findChild<QLineEdit *>(QStringLiteral("edit32986"));
    ASSERT_TRUE(sz && ae);
    EXPECT_EQ(sz->text(), QStringLiteral("7"));
    EXPECT_EQ(ae->text(), QStringLiteral("1"));
    sz->setText(QStringLiteral("\\ss{}"));
    EXPECT_EQ(dlg.values()[UmlautSz], QStringLiteral("\\ss{}"));
}

TEST_F(EditorCommandsTest, SymbolButtonsInsertTheirText)
{
    CMainFrame *f = makeFrame();
    QToolBar *greek = f->toolBar(854);
    EXPECT_EQ(greek->actions().size(), 40);
    QAction *alpha = cmd(32899);
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(alpha->toolTip(), QStringLiteral("\\alpha "));
    auto *bar = qobject_cast<CCustomToolBar *>(greek);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->buttonWidget(bar->indexOfCommand(32899))->accessibleName(), QStringLiteral("\\alpha "));

    CShellView *v = docs().openDocument(file(QStringLiteral("s.tex"), "x \\alpha y"));
    QTextCursor c = v->textCursor();
    c.setPosition(2);
    c.setPosition(8, QTextCursor::KeepAnchor);
    v->setTextCursor(c);
    alpha->trigger();
    EXPECT_EQ(v->toPlainText(), QStringLiteral("x \\alpha  y"));
    EXPECT_EQ(v->textCursor().position(), 9);
    EXPECT_FALSE(v->textCursor().hasSelection());
    EXPECT_EQ(v->document()->title(), QStringLiteral("s.tex *"));

    cmd(32896)->trigger(); // \not
    cmd(32874)->trigger(); // \in
    EXPECT_EQ(v->toPlainText(), QStringLiteral("x \\alpha \\not\\in  y"));
    EXPECT_EQ(cmd(32824)->statusTip(), QStringLiteral("\\dvi"));
    EXPECT_NE(cmd(32981), nullptr); // German quotes: no bar, still a command
}

TEST(SymbolTable, TextsFollowTheCommandNamePattern)
{
    QList<int> ids = Symbols::allIds();
    EXPECT_EQ(ids.size(), 31 + 32 + 10 + 37 + 40 + 32 + 2);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()); // no id twice
    for (int id : ids) {
        const SymbolCommand *c = Symbols::find(id);
        ASSERT_NE(c, nullptr);
        const QString text = Symbols::text(id);
        EXPECT_TRUE(text.startsWith(u'\\')) << id;
        const bool exception = id == 32843 || id == 32896;
        EXPECT_EQ(text.endsWith(u' '), !exception) << id;
        EXPECT_FALSE(QString::fromUtf8(c->glyph).isEmpty()) << id;
    }
    EXPECT_EQ(Symbols::text(32843), QStringLiteral("\\sqcup"));
    EXPECT_EQ(Symbols::text(32963), QStringLiteral("\\| "));
    EXPECT_EQ(Symbols::find(12345), nullptr);
}

} // namespace
