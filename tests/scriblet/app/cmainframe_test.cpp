// The main frame: bars, panes, menus, status panes, idle work, closing.
#include "app/cmainframe.h"
#include "bars/ccustomtoolbar.h"

#include "bars/ccontrolbarex.h"
#include "common/commandids.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "framefixture.h"
#include "project/cprojectbar.h"
#include "resources/strings.h"
#include "tools/clogbar.h"

#include <QApplication>
#include <QSet>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace {

class MainFrameTest : public FrameTest
{
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
    QAction *a = f->addCommand(freeId, QStringLiteral("menuTex"), Str::CapAbout, Cmd::RunLatex);
    EXPECT_EQ(a->text(), QStringLiteral("&Info"));
    EXPECT_EQ(a->statusTip(), QStringLiteral("Ausführen von LaTeX."));
    EXPECT_EQ(a->toolTip(), QStringLiteral("LaTeX"));
    QObject::connect(a, &QAction::triggered, [&] { ++hits; });
    EXPECT_EQ(cmd(freeId), a);
    EXPECT_TRUE(f->menu(QStringLiteral("menuTex"))->actions().contains(a));
    a->trigger();
    EXPECT_EQ(hits, 1);
    QMenu *own = f->menu(QStringLiteral("menuExtra"), Str::MenuRun);
    EXPECT_EQ(own->title(), QString::fromUtf8("&Ausführen"));
    EXPECT_EQ(f->menu(QStringLiteral("menuExtra")), own);
}

TEST_F(MainFrameTest, GoToLineAndLinePaneFollowTheCaret)
{
    CMainFrame *f = makeFrame();
    QByteArray text;
    for (int i = 1; i <= 200; ++i)
        text += "line " + QByteArray::number(i) + "\n";
    CShellView *v = docs().openDocument(file(QStringLiteral("long.tex"), text), 120);
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
    CMainFrame *f = makeFrame();
    QByteArray text;
    for (int i = 0; i < 60; ++i)
        text += "0123456789012345678\n"; // 1200 characters
    QList<std::pair<int, int>> coloured;
    QObject::connect(&docs(), &DocumentManager::documentAdded, f, [&](CChildFrame *c) {
        QObject::connect(c->view(), &CShellView::linesColoured, f, [&](int s, int e) { coloured.append({s, e}); });
    });
    CShellView *v = docs().openDocument(file(QStringLiteral("c.tex"), text));
    ASSERT_NE(v, nullptr);
    ASSERT_EQ(coloured.size(), 1);
    EXPECT_EQ(coloured.first(), (std::pair<int, int>{0, 519})); // whole lines around 0..500
    QTextCursor caret = v->textCursor();
    caret.setPosition(700);
    v->setTextCursor(caret);
    for (int i = 0; i < 10 && !v->tracker().backgroundDone(); ++i)
        f->onIdle();
    EXPECT_TRUE(v->tracker().backgroundDone());
    // The chunks reach the end (the empty line behind the last break), each of
    // whole lines.
    EXPECT_EQ(coloured.last().second, 1200);
    for (const auto &[s, e] : coloured)
        EXPECT_TRUE(s % 20 == 0 && (e % 20 == 19 || e == 1200)) << s << " " << e;
    EXPECT_FALSE(v->document()->isModified());
    EXPECT_EQ(v->textCursor().position(), 700);

    coloured.clear();
    QTextCursor c = v->textCursor();
    c.setPosition(45);
    v->setTextCursor(c);
    QTest::keyClick(v, Qt::Key_Delete);
    ASSERT_EQ(coloured.size(), 1);
    EXPECT_EQ(coloured.first(), (std::pair<int, int>{40, 58})); // only the touched line
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
    QTest::keyClick(docs().openDocument(p), Qt::Key_B);
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

// Stored placements that no screen can show: a giant window is bounded by the
// screens, one on a screen that is gone comes back on the primary screen.
TEST_F(MainFrameTest, StoredPlacementIsBoundedByTheScreens)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char *name;
        QRect stored;
    } cases[] = {
        {"giant", QRect(0, 0, 100000, 100000)},
        {"far away", QRect(50000, 40000, 300, 200)},
        {"giant and far away", QRect(-90000, -90000, 100000, 1000)},
    };
    for (const auto &c : cases) {
        WindowPlacement p;
        p.left = c.stored.left();
        p.top = c.stored.top();
        p.right = c.stored.left() + c.stored.width();
        p.bottom = c.stored.top() + c.stored.height();
        m_settings->writeWindowPlacement(p);
        CMainFrame g(m_settings.get(), &m_prompter);
        ASSERT_TRUE(g.create());
        EXPECT_TRUE(screen.contains(g.geometry()) || screen.intersected(g.geometry()).width() >= 50) << c.name;
        EXPECT_LE(g.geometry().width(), std::max(screen.width(), 1280)) << c.name;
        EXPECT_LE(g.geometry().height(), std::max(screen.height(), 1024)) << c.name;
    }
    EXPECT_EQ(CMainFrame::placedOnScreens(QRect(50000, 40000, 300, 200)), QRect(screen.topLeft(), QSize(300, 200)));
}

// Settings that cannot be written (here: "Scriblet.ini" is a folder) are said
// once, however many settings change.
TEST_F(MainFrameTest, SettingsThatCannotBeWrittenAreReportedOnce)
{
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("cfg/Scriblet.ini"))));
    CMainFrame *f = makeFrame();
    QDir().mkpath(path(QStringLiteral("thesis")));
    f->setMainDocument(path(QStringLiteral("thesis/a.tex")));
    f->setMainDocument(path(QStringLiteral("thesis/b.tex")));
    QTest::qWait(50);
    const QStringList reports = m_prompter.messages.filter(QStringLiteral("Einstellungen können nicht gespeichert"));
    ASSERT_EQ(reports.size(), 1) << m_prompter.messages.join('\n').toStdString();
    EXPECT_TRUE(reports.first().contains(path(QStringLiteral("cfg/Scriblet.ini"))));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("cfg/Scriblet.ini"))).isDir());
}

// Settings that stop being writable later in the run (the disk fills up) are said
// once, after the failing write has returned, and the file keeps what it had.
TEST_F(MainFrameTest, SettingsThatFailLaterInTheRunAreReportedOnce)
{
    CMainFrame *f = makeFrame();
    QDir().mkpath(path(QStringLiteral("thesis")));
    f->setMainDocument(path(QStringLiteral("thesis/a.tex")));
    const QByteArray before = testsupport::readAll(path(QStringLiteral("cfg/Scriblet.ini")));
    testsupport::withFullDisk([&] {
        f->setMainDocument(path(QStringLiteral("thesis/b.tex")));
        EXPECT_TRUE(m_prompter.messages.isEmpty()); // not from inside the write
        f->setMainDocument(path(QStringLiteral("thesis/c.tex")));
    });
    QTest::qWait(50);
    f->setMainDocument(path(QStringLiteral("thesis/a.tex")));
    const QStringList reports = m_prompter.messages.filter(QStringLiteral("Einstellungen können nicht gespeichert"));
    ASSERT_EQ(reports.size(), 1) << m_prompter.messages.join('\n').toStdString();
    EXPECT_TRUE(reports.first().contains(path(QStringLiteral("cfg/Scriblet.ini"))));
    EXPECT_EQ(testsupport::readAll(path(QStringLiteral("cfg/Scriblet.ini"))), before);
}

TEST_F(MainFrameTest, ClosingWithUnnamedDocumentAsksAndCancelKeepsWindow)
{
    CMainFrame *f = makeFrame();
    QTest::keyClick(docs().newDocument(), Qt::Key_A);
    m_prompter.questionAnswer = Prompter::Answer::Cancel;
    EXPECT_FALSE(f->close());
    EXPECT_EQ(f->children().size(), 1);
    EXPECT_FALSE(m_settings->readWindowPlacement().has_value());
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
    docs().openDocument(file(QStringLiteral("w1.tex"), "1"));
    docs().openDocument(file(QStringLiteral("w2.tex"), "2"));
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

TEST_F(MainFrameTest, MenuEntriesShowEveryKeyOfTheirCommand)
{
    CMainFrame *f = makeFrame();
    docs().openDocument(file(QStringLiteral("k.tex"), "k"));
    emit f->menu(QStringLiteral("menuEdit"))->aboutToShow();
    // Modifiers in fixed words, the key's own name as the system (and its language) gives it.
    const QString ins = QKeySequence(Qt::Key_Insert).toString(QKeySequence::NativeText);
    EXPECT_EQ(cmd(Cmd::EditCopy)->text(), QStringLiteral("&Kopieren\tCtrl+C, Ctrl+") + ins);
    EXPECT_EQ(cmd(Cmd::EditPaste)->text(), QStringLiteral("&Einfügen\tCtrl+V, Shift+") + ins);
    EXPECT_EQ(cmd(Cmd::EditSelectAll)->text(), QStringLiteral("Alles &markieren\tCtrl+A"));
    emit f->menu(QStringLiteral("menuFile"))->aboutToShow();
    EXPECT_EQ(cmd(Cmd::FileSave)->text(), QStringLiteral("&Speichern\tCtrl+S"));
    EXPECT_EQ(cmd(Cmd::SaveAll)->text(), Str::text(Str::CapSaveAll)) << "no keys, no tab";
    // Showing the menu again builds the same text, not a longer one.
    emit f->menu(QStringLiteral("menuFile"))->aboutToShow();
    EXPECT_EQ(cmd(Cmd::FileSave)->text(), QStringLiteral("&Speichern\tCtrl+S"));
    // Both keys work.
    EXPECT_EQ(cmd(Cmd::EditCopy)->shortcuts().size(), 2);
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

// Each show/hide command carries the number the "Ansicht" menu gives it, the
// menu text and the status prompt of its own bar.
TEST_F(MainFrameTest, EachBarToggleHasItsOwnIdTextAndBar)
{
    CMainFrame *f = makeFrame();
    f->show();
    struct Row {
        int id;
        const char *text;
        int bar;
        const char *prompt;
    };
    const Row rows[] = {
        {32783, "P&feile", 845, "Blendet die Pfeil-Leiste ein oder aus."},
        {32817, "&Binäre Operatoren", 847, "Blendet die 'binäre Operatoren'-Leiste ein oder aus."},
        {32837, "&Akzente", 848, "Blendet die Akzente-Leiste ein oder aus."},
        {32897, "&Relationen", 849, "Blendet die Relationen-Leiste ein oder aus."},
        {32909, "&gr. Buchstaben", 854, "Blendet die 'griechische Buchstaben'-Leiste ein oder aus."},
        {32956, "&sonstige Symbole", 855, "Blendet die 'sonstige Symbole'-Leiste ein oder aus."},
        {33023, "&Makros", 864, "Blendet die 'Makros'-Leiste ein oder aus."},
        {59392, "&Symbolleiste", 838, nullptr},
    };
    for (const Row &r : rows) {
        QAction *toggle = cmd(r.id);
        ASSERT_NE(toggle, nullptr) << r.id;
        EXPECT_EQ(toggle->text(), QString::fromUtf8(r.text)) << r.id;
        if (r.prompt) {
            EXPECT_EQ(toggle->statusTip(), QString::fromUtf8(r.prompt)) << r.id;
        }
        EXPECT_EQ(toggle, f->toolBar(r.bar)->toggleViewAction()) << r.id;
        EXPECT_TRUE(f->menu(QStringLiteral("menuView"))->actions().contains(toggle)) << r.id;
        toggle->trigger();
        EXPECT_FALSE(f->toolBar(r.bar)->isVisible()) << r.id;
        toggle->trigger();
        EXPECT_TRUE(f->toolBar(r.bar)->isVisible()) << r.id;
    }
}

TEST_F(MainFrameTest, BarTogglesShowAndHideWithCheckMarks)
{
    CMainFrame *f = makeFrame();
    f->show();
    QAction *toggle = cmd(Cmd::ViewArrowsBar);
    EXPECT_EQ(toggle->text(), QStringLiteral("P&feile"));
    EXPECT_EQ(toggle->statusTip(), QStringLiteral("Blendet die Pfeil-Leiste ein oder aus."));
    EXPECT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_FALSE(f->toolBar(845)->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(f->toolBar(845)->isVisible());
    EXPECT_EQ(f->toolBarArea(f->toolBar(845)), Qt::TopToolBarArea);
}

// The main toolbar carries the seven bar toggles; a click on one of its buttons
// is the menu's command, so the menu's check mark follows.
TEST_F(MainFrameTest, MainToolbarTogglesAreTheMenusCommands)
{
    CMainFrame *f = makeFrame();
    f->show();
    auto *main = qobject_cast<CCustomToolBar *>(f->toolBar(Cmd::BarMain));
    ASSERT_NE(main, nullptr);
    QList<int> toggles;
    for (int i = 0; i < main->buttons().size(); ++i)
        if (main->buttonWidget(i)->isCheckable())
            toggles << main->buttons().at(i).id;
    EXPECT_EQ(toggles, (QList<int>{32783, 32817, 32837, 32897, 32909, 32956, 33023}));
    QToolButton *button = main->buttonWidget(main->indexOfCommand(Cmd::ViewGreekBar));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_EQ(button->accessibleName(), QStringLiteral("gr. Buchstaben"));
    button->click();
    EXPECT_FALSE(f->toolBar(Cmd::BarGreek)->isVisible());
    EXPECT_FALSE(cmd(Cmd::ViewGreekBar)->isChecked());
    EXPECT_TRUE(f->menu(QStringLiteral("menuView"))->actions().contains(cmd(Cmd::ViewGreekBar)));
    button->click();
    EXPECT_TRUE(f->toolBar(Cmd::BarGreek)->isVisible());
    EXPECT_TRUE(cmd(Cmd::ViewGreekBar)->isChecked());
}

// In a window 1280 pixels wide every bar shows all its buttons (no overflow
// arrow), the bars sharing rows as far as they fit.
TEST_F(MainFrameTest, BarsFitA1280PixelWindowWithoutOverflow)
{
    testsupport::writeFile(path(QStringLiteral("cfg/Scriblet.ini")),
                           "[General Settings]\r\nWindowPos=0,1,-1,-1,-1,-1,0,0,1280,900\r\n");
    CMainFrame *f = makeFrame();
    f->show();
    QApplication::processEvents();
    QSet<int> rows; // the distinct heights of the top bars
    for (int id : {Cmd::BarMain, Cmd::BarArrows, Cmd::BarBinaryOps, Cmd::BarAccents, Cmd::BarRelations,
                   Cmd::BarGreek, Cmd::BarOtherSymbols, Cmd::BarMacros}) {
        QToolBar *tb = f->toolBar(id);
        auto *more = tb->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
        EXPECT_TRUE(!more || !more->isVisible()) << id;
        EXPECT_GE(tb->width(), tb->sizeHint().width()) << id;
        if (f->toolBarArea(tb) == Qt::TopToolBarArea)
            rows.insert(tb->y());
    }
    EXPECT_LT(rows.size(), 7); // bars share rows
}

// Without a stored placement the first window takes two thirds of the screen,
// centred (wider when a bar needs it); document windows lie inside the area.
TEST_F(MainFrameTest, FirstLookIsCentredAndDocumentWindowsStayInside)
{
    CMainFrame *f = makeFrame();
    const QRect screen = f->screen()->availableGeometry();
    EXPECT_GE(f->width(), screen.width() * 2 / 3);
    EXPECT_LE(f->width(), screen.width());
    EXPECT_EQ(f->height(), screen.height() * 2 / 3);
    EXPECT_LE(std::abs(f->geometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(f->geometry().center().y() - screen.center().y()), 1);

    f->show();
    const QRect area(QPoint(0, 0), f->mdiArea()->viewport()->size());
    for (int i = 0; i < 6; ++i)
        docs().openDocument(file(QStringLiteral("w%1.tex").arg(i), "x"));
    for (CChildFrame *c : f->children())
        EXPECT_TRUE(area.contains(c->geometry())) << c->geometry().x() << "," << c->geometry().y();
}

// The font dialog starts on the face the editor shows (a stored face this host
// lacks stands for the closest monospace one); changing only the size keeps it.
TEST_F(MainFrameTest, FontDialogStartsOnTheShownFaceAndSizeAloneKeepsIt)
{
    makeFrame();
    CShellView *v = docs().openDocument(file(QStringLiteral("f.tex"), "x"));
    const QString shownFace = QFontInfo(v->font()).family();
    cmd(Cmd::EditorFont)->trigger(); // cancelled
    ASSERT_EQ(m_prompter.fontsOffered.size(), 1);
    const QFont offered = m_prompter.fontsOffered.first();
    EXPECT_EQ(offered.family(), shownFace);
    EXPECT_TRUE(QFontDatabase::families().contains(shownFace));
    EXPECT_TRUE(QFontInfo(offered).fixedPitch());
    EXPECT_NEAR(offered.pointSizeF(), 13 * 72.0 / 96.0, 0.01); // "Height" -13

    QFont bigger = offered;
    bigger.setPointSize(14);
    m_prompter.fontAnswer = bigger;
    cmd(Cmd::EditorFont)->trigger();
    EXPECT_EQ(m_settings->profile().getString(ShellIni::Font, QStringLiteral("FaceName")), shownFace);
    EXPECT_EQ(QFontInfo(v->font()).family(), shownFace);
    EXPECT_EQ(m_settings->profile().getInt(ShellIni::Font, QStringLiteral("Height"), 0), -19);
}

} // namespace
