// The main frame and the editor inside it, driven as a user would.
#include "app/cmainframe.h"

#include "app/commandids.h"
#include "app/cshellsettings.h"
#include "bars/ccontrolbarex.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "fakeprompter.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <QMimeData>
#include <QDropEvent>
#include <QUrl>

namespace {

class MainFrameTest : public testsupport::TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        m_oldCwd = QDir::currentPath();
        m_settings = std::make_unique<CShellSettings>(path(QStringLiteral("cfg")));
        m_settings->dviViewerLookup = [] { return QStringLiteral("xdvi"); };
        m_settings->psViewerLookup = [] { return QStringLiteral("gv"); };
    }
    void TearDown() override
    {
        m_frame.reset();
        QDir::setCurrent(m_oldCwd);
        TempDirTest::TearDown();
    }
    CMainFrame *makeFrame()
    {
        m_frame = std::make_unique<CMainFrame>(m_settings.get(), &m_prompter);
        EXPECT_TRUE(m_frame->create());
        return m_frame.get();
    }
    QString pane(int id) const
    {
        auto *l = m_frame->findChild<QLabel *>(QStringLiteral("pane%1").arg(id));
        return l ? l->text() : QStringLiteral("<no pane>");
    }
    QAction *cmd(int id) const { return m_frame->findChild<QAction *>(QStringLiteral("cmd%1").arg(id)); }
    QString file(const QString &name, const QByteArray &bytes)
    {
        testsupport::writeFile(path(name), bytes);
        return path(name);
    }

    FakePrompter m_prompter;
    std::unique_ptr<CShellSettings> m_settings;
    std::unique_ptr<CMainFrame> m_frame;
    QString m_oldCwd;
};

TEST_F(MainFrameTest, CreationBuildsBarsPanesAndStatus)
{
    CMainFrame *f = makeFrame();
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("cfg/ScribletTools.bmp"))));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("cfg/ScribletMacros.bmp"))));
    const QList<std::pair<int, const char *>> bars = {
        {838, "Hauptleiste"}, {845, "Pfeile"},           {848, "Akzente"},    {847, "Binäre Operatoren"},
        {854, "Gr. Buchstaben"}, {855, "Sonstige Symbole"}, {849, "Relationen"}, {864, "Makros"}};
    for (const auto &[id, caption] : bars) {
        QToolBar *tb = f->toolBar(id);
        ASSERT_NE(tb, nullptr) << id;
        EXPECT_EQ(tb->windowTitle(), QString::fromUtf8(caption));
    }
    ASSERT_NE(f->logBar(), nullptr);
    EXPECT_EQ(f->logBar()->objectName(), QStringLiteral("LogBar"));
    EXPECT_EQ(f->dockWidgetArea(f->logBar()), Qt::BottomDockWidgetArea);
    EXPECT_EQ(f->dockWidgetArea(f->projectBar()), Qt::LeftDockWidgetArea);
    EXPECT_TRUE(f->projectBar()->features() & QDockWidget::DockWidgetFloatable);
    EXPECT_EQ(pane(Cmd::PaneLine), QStringLiteral(" Ze : 0"));
    EXPECT_EQ(pane(Cmd::PaneMainDoc), QStringLiteral("Haupt-TeX-Dokument :  aktuelles"));
    for (int id : {Cmd::Exit, Cmd::SaveAll, Cmd::WordWrap, Cmd::EditorFont, Cmd::FileNew, Cmd::FileOpen,
                   Cmd::ViewLogBar, Cmd::ViewProjectBar, Cmd::ViewMacroBar, Cmd::About})
        EXPECT_NE(cmd(id), nullptr) << id;
    // The document menu's commands wait for a document.
    EXPECT_FALSE(cmd(Cmd::SaveAll)->isVisible());
    EXPECT_EQ(m_settings->storedVersion(), QStringLiteral("2.0r"));
}

TEST_F(MainFrameTest, UnwritableImageFilesFailCreation)
{
    testsupport::writeFile(path(QStringLiteral("blocker")), "x");
    m_settings->setSettingsDir(path(QStringLiteral("blocker/cfg")));
    CMainFrame f(m_settings.get(), &m_prompter);
    EXPECT_FALSE(f.create());
}

TEST_F(MainFrameTest, OtherAreasAddCommandsToNamedMenus)
{
    CMainFrame *f = makeFrame();
    int hits = 0;
    // An id no area uses: the tool commands already own the LaTeX command.
    const int freeId = 39000;
    QAction *a = f->addCommand(freeId, QStringLiteral("menuTex"), QStringLiteral("&Extra"));
    QObject::connect(a, &QAction::triggered, [&] { ++hits; });
    EXPECT_EQ(cmd(freeId), a);
    EXPECT_TRUE(f->menu(QStringLiteral("menuTex"))->actions().contains(a));
    a->trigger();
    EXPECT_EQ(hits, 1);
    QMenu *own = f->menu(QStringLiteral("menuExtra"), QStringLiteral("E&xtra"));
    EXPECT_EQ(own->title(), QStringLiteral("E&xtra"));
    EXPECT_EQ(f->menu(QStringLiteral("menuExtra")), own);
}

TEST_F(MainFrameTest, TypingMarksTitleAndSavingClearsIt)
{
    CMainFrame *f = makeFrame();
    const QString p = file(QStringLiteral("doc/chap1.tex"), "Hallo\r\nWelt\r\n");
    CShellView *v = f->openDocument(p);
    ASSERT_NE(v, nullptr);
    auto *child = f->activeChild();
    EXPECT_EQ(child->windowTitle(), QStringLiteral("chap1.tex"));
    EXPECT_TRUE(cmd(Cmd::SaveAll)->isVisible());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("chap1.tex - Scriblet"));
    QTest::keyClick(v, Qt::Key_X);
    EXPECT_EQ(child->windowTitle(), QStringLiteral("chap1.tex *"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("chap1.tex * - Scriblet"));
    cmd(Cmd::FileSave)->trigger();
    EXPECT_EQ(child->windowTitle(), QStringLiteral("chap1.tex"));
    EXPECT_EQ(testsupport::readAll(p), QByteArray("xHallo\r\nWelt\r\n"));
    EXPECT_EQ(f->recentFiles().value(0), QFileInfo(p).absoluteFilePath());
    EXPECT_EQ(m_settings->profile().getString(QStringLiteral("Recent File List"), QStringLiteral("File1")),
              QFileInfo(p).absoluteFilePath());
}

TEST_F(MainFrameTest, OpeningTwiceActivatesTheOpenDocument)
{
    CMainFrame *f = makeFrame();
    const QString a = file(QStringLiteral("a.tex"), "a\n");
    const QString b = file(QStringLiteral("b.tex"), "b\n");
    CShellView *va = f->openDocument(a);
    f->openDocument(b);
    EXPECT_EQ(f->openDocument(a), va);
    EXPECT_EQ(f->children().size(), 2);
    EXPECT_EQ(f->activeView(), va);
}

TEST_F(MainFrameTest, MissingFileIsReportedAndNothingOpens)
{
    CMainFrame *f = makeFrame();
    EXPECT_EQ(f->openDocument(path(QStringLiteral("nope.tex"))), nullptr);
    EXPECT_EQ(m_prompter.messages.size(), 1);
    EXPECT_TRUE(f->children().isEmpty());
}

TEST_F(MainFrameTest, SaveAllAsksForUntitledNameAndCancelKeepsItModified)
{
    CMainFrame *f = makeFrame();
    const QString p = file(QStringLiteral("a.tex"), "a\n");
    CShellView *named = f->openDocument(p);
    QTest::keyClick(named, Qt::Key_Y);
    CShellView *untitled = f->newDocument();
    QTest::keyClick(untitled, Qt::Key_Z);
    EXPECT_EQ(untitled->document()->title(), QStringLiteral("Tex File 1 *"));

    cmd(Cmd::SaveAll)->trigger(); // the save dialog is cancelled
    EXPECT_EQ(m_prompter.saveDialogs, 1);
    EXPECT_FALSE(named->document()->isModified());
    EXPECT_TRUE(untitled->document()->isModified());
    EXPECT_EQ(testsupport::readAll(p), QByteArray("ya\n"));

    m_prompter.saveAnswers << path(QStringLiteral("new.tex"));
    EXPECT_TRUE(f->saveAll());
    EXPECT_FALSE(untitled->document()->isModified());
    EXPECT_EQ(untitled->document()->title(), QStringLiteral("new.tex"));
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("new.tex"))), QByteArray("z"));
}

TEST_F(MainFrameTest, WordWrapReachesEveryOpenDocumentAndIsStored)
{
    CMainFrame *f = makeFrame();
    CShellView *a = f->openDocument(file(QStringLiteral("a.tex"), "a"));
    CShellView *b = f->openDocument(file(QStringLiteral("b.tex"), "b"));
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

TEST_F(MainFrameTest, StoredWrapModeAppliesToNewViews)
{
    testsupport::writeFile(path(QStringLiteral("cfg/Scriblet.ini")), "[General]\r\nWrapMode=1\r\n");
    CMainFrame *f = makeFrame();
    EXPECT_EQ(f->newDocument()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST_F(MainFrameTest, GoToLineAndLinePaneFollowTheCaret)
{
    CMainFrame *f = makeFrame();
    QByteArray text;
    for (int i = 1; i <= 200; ++i)
        text += "line " + QByteArray::number(i) + "\n";
    CShellView *v = f->openDocument(file(QStringLiteral("long.tex"), text), 120);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->caretLine(), 120);
    EXPECT_EQ(v->textCursor().positionInBlock(), 0);
    EXPECT_EQ(m_settings->goToLine, 0);
    f->onIdle();
    EXPECT_EQ(pane(Cmd::PaneLine), QStringLiteral(" Ze : 120"));

    // A line beyond the end goes to the last line.
    m_settings->goToLine = 5000;
    v->servePositioningRequest();
    EXPECT_EQ(v->caretLine(), 201);

    // Search texts: the first line holding both.
    m_settings->searchText1 = QStringLiteral("line 1");
    m_settings->searchText2 = QStringLiteral("7");
    v->servePositioningRequest();
    EXPECT_EQ(v->caretLine(), 17);
    EXPECT_TRUE(m_settings->searchText1.isEmpty());

    f->activeChild()->close();
    QApplication::processEvents();
    f->onIdle();
    EXPECT_EQ(pane(Cmd::PaneLine), QStringLiteral(" Ze : 0"));
}

TEST_F(MainFrameTest, BackgroundColouringWalksTheTextInChunks)
{
    QList<std::pair<int, int>> coloured;
    CShellView::colourRange = [&](CShellView *, int s, int e) { coloured.append({s, e}); };
    CMainFrame *f = makeFrame();
    QByteArray text;
    for (int i = 0; i < 60; ++i)
        text += "0123456789012345678\n"; // 1200 characters
    CShellView *v = f->openDocument(file(QStringLiteral("c.tex"), text));
    ASSERT_NE(v, nullptr);
    ASSERT_FALSE(coloured.isEmpty());
    EXPECT_EQ(coloured.first(), (std::pair<int, int>{0, 519})); // whole lines around 0..500
    coloured.clear();
    for (int i = 0; i < 10 && !v->tracker().backgroundDone(); ++i)
        f->onIdle();
    EXPECT_TRUE(v->tracker().backgroundDone());
    EXPECT_EQ(coloured.size(), 2);
    EXPECT_FALSE(v->document()->isModified());

    coloured.clear();
    QTextCursor c = v->textCursor();
    c.setPosition(45);
    v->setTextCursor(c);
    QTest::keyClick(v, Qt::Key_Delete);
    ASSERT_EQ(coloured.size(), 1);
    EXPECT_EQ(coloured.first(), (std::pair<int, int>{40, 58})); // only the touched line
    CShellView::colourRange = nullptr;
}

TEST_F(MainFrameTest, FindReportsTheEndWithMessageAndBeep)
{
    CMainFrame *f = makeFrame();
    CShellView *v = f->openDocument(file(QStringLiteral("f.tex"), "abc abc"));
    EXPECT_TRUE(v->findNext(QStringLiteral("abc"), false));
    EXPECT_TRUE(v->findNext(QStringLiteral("abc"), false));
    EXPECT_FALSE(v->findNext(QStringLiteral("abc"), false));
    EXPECT_EQ(m_prompter.messages, QStringList{QStringLiteral("Suche beendet...")});
    EXPECT_EQ(m_prompter.beeps, 1);
    EXPECT_EQ(v->replaceAll(QStringLiteral("abc"), QStringLiteral("x"), true), 2);
    EXPECT_EQ(v->toPlainText(), QStringLiteral("x x"));
}

TEST_F(MainFrameTest, MainDocumentIsWrittenAndShown)
{
    CMainFrame *f = makeFrame();
    QDir().mkpath(path(QStringLiteral("thesis")));
    f->setMainDocument(path(QStringLiteral("thesis/thesis.tex")));
    EXPECT_EQ(pane(Cmd::PaneMainDoc), QStringLiteral("Haupt-TeX-Dokument :  thesis.tex"));
    EXPECT_EQ(m_settings->profile().getString(ShellIni::TexSettings, QStringLiteral("mainpath")),
              path(QStringLiteral("thesis")));
}

TEST_F(MainFrameTest, ClosingSavesDocumentsAndWritesWindowPos)
{
    CMainFrame *f = makeFrame();
    f->setGeometry(30, 40, 700, 500);
    const QString p = file(QStringLiteral("a.tex"), "a");
    QTest::keyClick(f->openDocument(p), Qt::Key_B);
    bool closingSeen = false;
    QObject::connect(f, &CMainFrame::closing, [&] { closingSeen = true; });
    EXPECT_TRUE(f->close());
    EXPECT_TRUE(closingSeen);
    EXPECT_EQ(testsupport::readAll(p), QByteArray("ba"));
    const auto placement = m_settings->readWindowPlacement();
    ASSERT_TRUE(placement.has_value());
    EXPECT_EQ(placement->flags, 0u);
    EXPECT_EQ(placement->right - placement->left, 700);
    EXPECT_EQ(placement->bottom - placement->top, 500);
    EXPECT_TRUE(m_prompter.questions.isEmpty());

    // The next frame takes the stored placement.
    CMainFrame g(m_settings.get(), &m_prompter);
    ASSERT_TRUE(g.create());
    EXPECT_EQ(g.geometry().size(), QSize(700, 500));
}

TEST_F(MainFrameTest, ClosingWithUnnamedDocumentAsksAndCancelKeepsWindow)
{
    CMainFrame *f = makeFrame();
    QTest::keyClick(f->newDocument(), Qt::Key_A);
    m_prompter.questionAnswer = Prompter::Answer::Cancel;
    EXPECT_FALSE(f->close());
    EXPECT_EQ(f->children().size(), 1);
    EXPECT_FALSE(m_settings->readWindowPlacement().has_value());
}

} // namespace

namespace {

TEST_F(MainFrameTest, FontCommandStoresFontAndReachesOpenViews)
{
    CMainFrame *f = makeFrame();
    CShellView *a = f->openDocument(file(QStringLiteral("a.tex"), "a"));
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(20);
    font.setBold(true);
    ASSERT_TRUE(f->applyEditorFont(font));
    EXPECT_EQ(a->font().pixelSize(), 20);
    EXPECT_TRUE(a->font().bold());
    EXPECT_EQ(m_settings->profile().getInt(ShellIni::Font, QStringLiteral("Height"), 0), -20);
    EXPECT_EQ(m_settings->profile().getInt(ShellIni::Font, QStringLiteral("Weight"), 0), 700);
    EXPECT_EQ(f->newDocument()->font().pixelSize(), 20);
}

TEST_F(MainFrameTest, DroppedFilesOpen)
{
    CMainFrame *f = makeFrame();
    f->show();
    auto *mime = new QMimeData;
    mime->setUrls({QUrl::fromLocalFile(file(QStringLiteral("d1.tex"), "1")),
                   QUrl::fromLocalFile(file(QStringLiteral("d2.tex"), "2"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f, &drop);
    EXPECT_EQ(f->children().size(), 2);
    delete mime;
}

TEST_F(MainFrameTest, WindowMenuListsDocumentsWithTheActiveOneChecked)
{
    CMainFrame *f = makeFrame();
    f->openDocument(file(QStringLiteral("w1.tex"), "1"));
    f->openDocument(file(QStringLiteral("w2.tex"), "2"));
    QMenu *m = f->menu(QStringLiteral("menuWindow"));
    emit m->aboutToShow();
    auto *e1 = f->findChild<QAction *>(QStringLiteral("window1"));
    auto *e2 = f->findChild<QAction *>(QStringLiteral("window2"));
    ASSERT_NE(e1, nullptr);
    ASSERT_NE(e2, nullptr);
    EXPECT_EQ(e1->text(), QStringLiteral("&1  w1.tex"));
    EXPECT_FALSE(e1->isChecked());
    EXPECT_TRUE(e2->isChecked());
    e1->trigger();
    EXPECT_EQ(f->activeView()->document()->fileTitle(), QStringLiteral("w1.tex"));
}

TEST_F(MainFrameTest, PaneCaptionButtonsHideAndCollapse)
{
    CMainFrame *f = makeFrame();
    f->show();
    CControlBarEx *bar = f->logBar();
    bar->setWidget(new QLabel(QStringLiteral("content")));
    QSize reported(-1, -1);
    QObject::connect(bar, &CControlBarEx::layoutChanged, [&](bool, Qt::DockWidgetArea, QSize s) { reported = s; });
    auto *minimize = bar->findChild<QToolButton *>(QStringLiteral("btn1048"));
    auto *hide = bar->findChild<QToolButton *>(QStringLiteral("btn1047"));
    ASSERT_NE(minimize, nullptr);
    ASSERT_NE(hide, nullptr);
    EXPECT_EQ(hide->accessibleName(), QStringLiteral("Hide Docked Window"));
    minimize->click();
    EXPECT_TRUE(bar->isCollapsed());
    EXPECT_EQ(reported, QSize(0, 0));
    hide->click();
    EXPECT_FALSE(bar->isVisible());
    f->findChild<QAction *>(QStringLiteral("cmd32998"))->trigger();
    EXPECT_TRUE(bar->isVisible());
}

} // namespace

namespace {

TEST_F(MainFrameTest, BarLayoutIsRestoredFromTheSettingsFile)
{
    {
        CMainFrame *f = makeFrame();
        f->show();
        f->toolBar(845)->hide();
        f->projectBar()->hide();
        EXPECT_TRUE(f->close());
        m_frame.reset();
    }
    EXPECT_TRUE(m_settings->profile().hasKey(QStringLiteral("General Settings-Layout"), QStringLiteral("State")));
    CMainFrame *g = makeFrame();
    g->show();
    EXPECT_FALSE(g->toolBar(845)->isVisible());
    EXPECT_TRUE(g->toolBar(838)->isVisible());
    EXPECT_FALSE(g->projectBar()->isVisible());
    EXPECT_TRUE(g->logBar()->isVisible());
}

} // namespace

#include "editor/cmacrodialog.h"
#include "editor/macrofile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

TEST_F(MainFrameTest, MacroBarCarriesTheMacrosAndShiftF3InsertsMacroThree)
{
    CMainFrame *f = makeFrame();
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("cfg/Scriblet.macros"))));
    QToolBar *bar = f->toolBar(864);
    ASSERT_EQ(bar->actions().size(), 10);
    EXPECT_EQ(bar->actions().at(2)->text(), QStringLiteral("Makro 3"));
    EXPECT_FALSE(bar->actions().at(2)->icon().isNull());
    EXPECT_EQ(cmd(Cmd::Macro1 + 2)->statusTip(), QString::fromUtf8("Makro Makro 3 wird in den Text eingefügt..."));

    CShellView *v = f->openDocument(file(QStringLiteral("m.tex"), "ab"));
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

TEST_F(MainFrameTest, EditedMacrosAreSavedAndShownAtOnce)
{
    CMainFrame *f = makeFrame();
    MacroTable t = MacroTable::defaults();
    t.names[0] = QStringLiteral("Figur");
    t.texts[0] = QStringLiteral("\\begin{figure}\n\\end{figure}");
    ASSERT_TRUE(f->applyMacros(t));
    EXPECT_EQ(f->toolBar(864)->actions().at(0)->text(), QStringLiteral("Figur"));
    EXPECT_EQ(MacroFile::load(path(QStringLiteral("cfg"))), t);
    CShellView *v = f->newDocument();
    EXPECT_TRUE(f->insertMacro(0));
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

} // namespace
