#include "app/cmainframe.h"

#include "app/documentmanager.h"
#include "app/editorwiring.h"
#include "app/languagecommands.h"
#include "app/latexhelp.h"
#include "app/projectwiring.h"
#include "app/recoverywiring.h"
#include "app/settingsfailurereport.h"
#include "app/toolwiring.h"
#include "app/cshellcommandlineinfo.h"
#include "app/customisewiring.h"
#include "bars/acceleratortext.h"
#include "bars/ccustomtoolbar.h"
#include "bars/toolbarimages.h"
#include "bars/toolbarlayout.h"
#include "common/commandids.h"
#include "common/cshellsettings.h"
#include "common/prompter.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "editor/editorcommands.h"
#include "editor/macrofile.h"
#include "project/cprojectbar.h"
#include "resources/actiontext.h"
#include "resources/fileerrortext.h"
#include "resources/strings.h"
#include "tools/clogbar.h"
#include "tools/toolcommands.h"

#include <QApplication>
#include <QScreen>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <cerrno>

namespace {

const char *const LayoutSection = "General Settings-Layout";

// The bars in the order they are made, with their captions and show/hide commands.
struct BarSpec {
    int id;
    int captionId;
    int toggleId;
    int toggleCaptionId;
};
const BarSpec Bars[] = {
    {Cmd::BarMain, Str::MainBar, Cmd::ViewToolbar, Str::CapViewToolbar},
    {Cmd::BarArrows, Str::ArrowsBar, Cmd::ViewArrowsBar, Str::CapViewArrows},
    {Cmd::BarBinaryOps, Str::BinaryOpsBar, Cmd::ViewBinaryOpsBar, Str::CapViewBinaryOps},
    {Cmd::BarAccents, Str::AccentsBar, Cmd::ViewAccentsBar, Str::CapViewAccents},
    {Cmd::BarRelations, Str::RelationsBar, Cmd::ViewRelationsBar, Str::CapViewRelations},
    {Cmd::BarGreek, Str::GreekBar, Cmd::ViewGreekBar, Str::CapViewGreek},
    {Cmd::BarOtherSymbols, Str::OtherSymbolsBar, Cmd::ViewOtherSymbolsBar, Str::CapViewOtherSymbols},
    {Cmd::BarMacros, Str::MacrosBar, Cmd::ViewMacroBar, Str::CapViewMacros},
};

} // namespace

CMainFrame::CMainFrame(CShellSettings *settings, Prompter *prompter, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(Str::text(Str::AppName));
    setAcceptDrops(true);
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setAccessibleName(Str::text(Str::DocumentsArea));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    m_idleTimer = new QTimer(this);
    m_idleTimer->setInterval(0);
    connect(m_idleTimer, &QTimer::timeout, this, &CMainFrame::onIdle);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *) { onActiveChanged(); });
    m_documents = new DocumentManager(this, *m_settings, *m_prompter);
    connect(m_documents, &DocumentManager::documentAdded, this, &CMainFrame::onDocumentAdded);
}

CMainFrame::~CMainFrame()
{
    // The MDI area and its windows go down with the frame; no slot of this
    // half-destroyed window may run meanwhile.
    m_closing = true;
    m_mdi->disconnect(this);
    for (CChildFrame *c : children()) {
        c->disconnect(this);
        c->canClose = nullptr;
    }
}

bool CMainFrame::create(const CShellCommandLineInfo *cmdInfo)
{
    restorePlacement();
    m_settings->readAll();
    m_settings->enterMainPath();
    FileError macroError;
    const MacroTable macros = MacroFile::load(m_settings->settingsDir(), &macroError);
    if (macroError.failed())
        m_prompter->message(Str::format(Str::MacrosUnreadable, {QDir::toNativeSeparators(macroError.path),
                                                                FileErrorText::text(macroError)}));
    m_settings->macroNames = macros.names;
    m_settings->macroTexts = macros.texts;
    m_settingsReport = new SettingsFailureReport(
        m_settings->profile(), *m_prompter, [this] { return !m_toolCommands || !m_toolCommands->isBusy(); }, this);
    m_settingsReport->checkAtStart();
    createMenus();
    if (!createToolBars())
        return false;
    createStatusBar();
    ToolWiring::install(this);
    ProjectWiring::install(this);
    RecoveryWiring::install(this);
    menu(QStringLiteral("menuView"))->addAction(m_projectBar->toggleViewAction());
    menu(QStringLiteral("menuView"))->addAction(m_logBar->toggleViewAction());
    m_languageCommands = new LanguageCommands(this);
    // The bars' buttons once every command exists, then the bars' rows.
    CustomiseWiring::install(this);
    arrangeToolBars();

    const QByteArray state = QByteArray::fromBase64(
        m_settings->profile().getBytes(QString::fromLatin1(LayoutSection), QStringLiteral("State")));
    if (!state.isEmpty())
        restoreState(state);

    if (cmdInfo && !cmdInfo->mainDocPath.isEmpty())
        m_settings->setMainDocumentPath(cmdInfo->mainDocPath);
    updateMainDocPane();
    m_linePane->setText(Str::format(Str::LinePane, {QStringLiteral("0")}));
    m_documents->loadRecent();
    updateDocumentMenus();
    return true;
}

// ---------------------------------------------------------------------------
// Menus and commands

QMenu *CMainFrame::menu(const QString &name, int titleId)
{
    if (QMenu *m = menuBar()->findChild<QMenu *>(name, Qt::FindDirectChildrenOnly))
        return m;
    auto *m = new QMenu(name, menuBar());
    m->setObjectName(name);
    if (titleId)
        ActionText::set(m->menuAction(), titleId);
    QMenu *window = menuBar()->findChild<QMenu *>(QStringLiteral("menuWindow"), Qt::FindDirectChildrenOnly);
    QMenu *help = menuBar()->findChild<QMenu *>(QStringLiteral("menuHelp"), Qt::FindDirectChildrenOnly);
    if (window || help)
        menuBar()->insertMenu((window ? window : help)->menuAction(), m);
    else
        menuBar()->addMenu(m);
    m->menuAction()->setObjectName(name + QStringLiteral("Action"));
    m->installEventFilter(this);
    connect(m, &QMenu::aboutToShow, this, [m] { showAcceleratorTexts(m); });
    return m;
}

QAction *CMainFrame::addCommand(int id, const QString &menuName, int captionId, int promptId,
                                const QKeySequence &shortcut, bool documentOnly)
{
    auto *a = new QAction(this);
    a->setObjectName(QStringLiteral("cmd%1").arg(id));
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    ActionText::set(a, captionId, promptId);
    addAction(a); // shortcuts work while the menu is hidden
    addFeatureCommand(id, a, menuName, documentOnly);
    return a;
}

void CMainFrame::addFeatureCommand(int id, QAction *a, const QString &menuName, bool documentOnly)
{
    if (!menuName.isEmpty())
        menu(menuName)->addAction(a);
    m_actions.insert(id, a);
    if (documentOnly) {
        m_documentOnly.append(a);
        a->setVisible(!m_mdi->subWindowList().isEmpty());
    }
    updateDocumentMenus();
}

void CMainFrame::createMenus()
{
    menu(QStringLiteral("menuFile"), Str::MenuFile);
    menu(QStringLiteral("menuEdit"), Str::MenuEdit);
    menu(QStringLiteral("menuView"), Str::MenuView);
    menu(QStringLiteral("menuTex"), Str::MenuTex);
    menu(QStringLiteral("menuSettings"), Str::MenuSettings);
    menu(QStringLiteral("menuProject"), Str::MenuProject);
    menu(QStringLiteral("menuWindow"), Str::MenuWindow);
    menu(QStringLiteral("menuHelp"), Str::MenuHelp); // stays last: later menus go before the Window menu

    m_documents->installCommands();
    EditorWiring::install(this);

    const QString window = QStringLiteral("menuWindow");
    connect(addCommand(Cmd::WindowCascade, window, Str::CapWindowCascade, 0, QKeySequence(), true),
            &QAction::triggered, m_mdi, &QMdiArea::cascadeSubWindows);
    connect(addCommand(Cmd::WindowTileHorz, window, Str::CapWindowTile, 0, QKeySequence(), true),
            &QAction::triggered, m_mdi, &QMdiArea::tileSubWindows);
    connect(addCommand(Cmd::WindowArrange, window, Str::CapWindowArrange, 0, QKeySequence(), true),
            &QAction::triggered, m_mdi, &QMdiArea::tileSubWindows);
    connect(menu(window), &QMenu::aboutToShow, this, &CMainFrame::rebuildWindowList);

    const QString help = QStringLiteral("menuHelp");
    connect(addCommand(Cmd::LatexHelp, help, Str::CapLatexHelp, Cmd::LatexHelp), &QAction::triggered, this,
            &CMainFrame::onLatexHelp);
    connect(addCommand(Cmd::About, help, Str::CapAbout), &QAction::triggered, this, [this] { m_prompter->showAbout(); });
}

void CMainFrame::onLatexHelp()
{
    QApplication::setOverrideCursor(Qt::WaitCursor); // texdoc is asked where the reference lies
    const bool opened = LatexHelp().open();
    QApplication::restoreOverrideCursor();
    if (!opened)
        m_prompter->message(Str::text(Str::ToolStartFailed));
}

bool CMainFrame::event(QEvent *e)
{
    const bool done = QMainWindow::event(e); // the children take a language change first
    if (e->type() == QEvent::LanguageChange)
        retranslateUi();
    return done;
}

void CMainFrame::retranslateUi()
{
    // Bar titles first: Qt copies a bar's title into its toggle, whose menu text differs.
    for (const BarSpec &b : Bars) {
        if (QToolBar *tb = m_toolBars.value(b.id)) {
            tb->setWindowTitle(Str::text(b.captionId));
            tb->setAccessibleName(tb->windowTitle());
            for (QAction *a : tb->actions())
                if (QWidget *w = tb->widgetForAction(a); w && !a->isSeparator() && b.id != Cmd::BarMacros)
                    w->setAccessibleName(a->toolTip());
        }
    }
    // Menus, commands and bar toggles remember the numbers of their texts.
    for (QAction *a : findChildren<QAction *>())
        if (a->property("captionId").isValid())
            ActionText::retranslate(a);
    m_mdi->setAccessibleName(Str::text(Str::DocumentsArea));
    if (m_linePane) {
        m_linePane->setMinimumWidth(m_linePane->fontMetrics().horizontalAdvance(Str::text(Str::LinePaneSize)));
        m_linePane->setText(linePaneText());
    }
    if (m_mainDocPane)
        m_mainDocPane->setMinimumWidth(
            m_mainDocPane->fontMetrics().horizontalAdvance(Str::text(Str::MainDocPaneSize)));
    updateMainDocPane();
    updateTitle();
}

bool CMainFrame::createToolBars()
{
    QString error;
    if (!ToolbarImages::load(m_settings->settingsDir(), ToolbarImages::Kind::Tools, &m_toolImages, &error)
        || !ToolbarImages::load(m_settings->settingsDir(), ToolbarImages::Kind::Macros, &m_macroImages, &error))
        return false;

    QMenu *view = menu(QStringLiteral("menuView"));
    for (const BarSpec &b : Bars) {
        auto *tb = new CCustomToolBar(b.id, Str::text(b.captionId), this);
        tb->setObjectName(QStringLiteral("toolbar%1").arg(b.id));
        tb->setAccessibleName(tb->windowTitle());
        tb->setIconSize(QSize(16, 15));
        m_toolBars.insert(b.id, tb);
        QAction *toggle = tb->toggleViewAction();
        toggle->setObjectName(QStringLiteral("cmd%1").arg(b.toggleId));
        ActionText::set(toggle, b.toggleCaptionId, b.toggleId);
        m_actions.insert(b.toggleId, toggle);
        view->addAction(toggle);
    }
    EditorWiring::fillBars(this);
    return true;
}

void CMainFrame::arrangeToolBars()
{
    // The bars share rows at the top as far as the window's width allows, so
    // that no bar hides buttons behind an overflow arrow; the macro bar with its
    // captions has the bottom edge to itself.
    constexpr int Frame = 8; // window border and the toolbar area's margins
    QList<QToolBar *> top;
    QList<int> widths;
    for (const BarSpec &b : Bars) {
        if (b.id == Cmd::BarMacros)
            continue;
        QToolBar *tb = m_toolBars.value(b.id);
        top.append(tb);
        widths.append(tb->sizeHint().width());
    }
    // A first window is wide enough for the widest bar, as far as the screen allows.
    const int widest = *std::max_element(widths.begin(), widths.end()) + Frame;
    if (m_firstLook && widest > width() && screen()) {
        const QRect avail = screen()->availableGeometry();
        const QSize size(std::min(widest, avail.width()), height());
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, avail));
    }
    const int available = (isMaximized() && screen() ? screen()->availableGeometry().width() : width()) - Frame;
    const QList<QList<int>> rows = ToolbarLayout::rows(widths, available);
    for (int r = 0; r < rows.size(); ++r) {
        if (r > 0)
            addToolBarBreak(Qt::TopToolBarArea);
        for (int i : rows.at(r))
            addToolBar(Qt::TopToolBarArea, top.at(i));
    }
    addToolBar(Qt::BottomToolBarArea, m_toolBars.value(Cmd::BarMacros));
}

void CMainFrame::createStatusBar()
{
    QStatusBar *sb = statusBar();
    sb->setObjectName(QStringLiteral("statusBar59393"));
    m_linePane = new QLabel(sb);
    m_linePane->setObjectName(QStringLiteral("pane%1").arg(Cmd::PaneLine));
    m_linePane->setMinimumWidth(m_linePane->fontMetrics().horizontalAdvance(Str::text(Str::LinePaneSize)));
    m_mainDocPane = new QLabel(sb);
    m_mainDocPane->setObjectName(QStringLiteral("pane%1").arg(Cmd::PaneMainDoc));
    m_mainDocPane->setMinimumWidth(m_mainDocPane->fontMetrics().horizontalAdvance(Str::text(Str::MainDocPaneSize)));
    sb->addPermanentWidget(m_linePane);
    sb->addPermanentWidget(m_mainDocPane);
    sb->showMessage(Str::text(Str::Ready));
    QAction *toggle = addCommand(Cmd::ViewStatusBar, QStringLiteral("menuView"), Str::CapViewStatusBar);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, sb, &QWidget::setVisible);
}

bool CMainFrame::eventFilter(QObject *watched, QEvent *event)
{
    const auto t = event->type();
    if ((t == QEvent::ActionAdded || t == QEvent::ActionRemoved || t == QEvent::ActionChanged) && !m_menusQueued) {
        m_menusQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_menusQueued = false;
            updateDocumentMenus();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::updateDocumentMenus()
{
    const bool hasDoc = !m_mdi->subWindowList().isEmpty();
    for (QAction *a : std::as_const(m_documentOnly))
        a->setVisible(hasDoc);
    for (QMenu *m : menuBar()->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly)) {
        bool any = false;
        for (QAction *a : m->actions())
            any |= a->isVisible() && !a->isSeparator();
        m->menuAction()->setVisible(any);
    }
}

void CMainFrame::showAcceleratorTexts(QMenu *m)
{
    // Every key of a command, not only the first that the menu would show.
    for (QAction *a : m->actions()) {
        if (a->isSeparator())
            continue;
        if (QMenu *sub = a->menu()) {
            showAcceleratorTexts(sub);
            continue;
        }
        const QString text = AcceleratorText::menuText(a->text(), a->shortcuts());
        if (text != a->text())
            a->setText(text);
    }
}

void CMainFrame::rebuildWindowList()
{
    QMenu *m = menu(QStringLiteral("menuWindow"));
    for (QAction *a : std::as_const(m_windowEntries)) {
        m->removeAction(a);
        a->deleteLater();
    }
    m_windowEntries.clear();
    const QList<CChildFrame *> list = children();
    if (list.isEmpty())
        return;
    m_windowEntries.append(m->addSeparator());
    CChildFrame *active = activeChild();
    int n = 0;
    for (CChildFrame *c : list) {
        auto *a = m->addAction(QStringLiteral("&%1  %2").arg(++n).arg(c->windowTitle()));
        a->setObjectName(QStringLiteral("window%1").arg(n));
        a->setCheckable(true);
        a->setChecked(c == active);
        QPointer<CChildFrame> target(c);
        connect(a, &QAction::triggered, this, [this, target] {
            if (target)
                m_mdi->setActiveSubWindow(target);
        });
        m_windowEntries.append(a);
    }
}

// ---------------------------------------------------------------------------
// Status bar and idle processing

void CMainFrame::updateMainDocPane()
{
    if (m_mainDocPane)
        m_mainDocPane->setText(mainDocPaneText());
}

QString CMainFrame::mainDocPaneText() const
{
    return Str::text(Str::MainDocPane)
           + (m_settings->mainTex().isEmpty() ? Str::text(Str::MainDocCurrent) : m_settings->mainTex());
}

QString CMainFrame::linePaneText() const
{
    const CShellView *v = activeView();
    return Str::format(Str::LinePane, {QString::number(v ? v->caretLine() : 0)});
}

void CMainFrame::setMainDocument(const QString &fullPath)
{
    m_settings->setMainDocumentPath(fullPath);
    updateMainDocPane();
}

void CMainFrame::requestProject(const QString &path) { emit projectRequested(path); }

void CMainFrame::updateTitle()
{
    CChildFrame *c = m_mdi->activeSubWindow() ? activeChild() : nullptr;
    const QString app = Str::text(Str::AppName);
    setWindowTitle(c ? c->doc()->title() + QStringLiteral(" - ") + app : app);
}

void CMainFrame::scheduleIdle()
{
    if (!m_idleTimer->isActive())
        m_idleTimer->start();
}

void CMainFrame::onIdle()
{
    const QString text = linePaneText();
    if (m_linePane && m_linePane->text() != text)
        m_linePane->setText(text);
    // The active view colours for a few milliseconds per pass, so that a key
    // pressed meanwhile waits no longer than that.
    constexpr int ColourBudgetMs = 4;
    CShellView *v = activeView();
    if (!v || !v->colourInBackground(ColourBudgetMs))
        m_idleTimer->stop();
}

// ---------------------------------------------------------------------------
// Document windows

CShellView *CMainFrame::activeView() const
{
    auto *child = activeChild();
    return child ? child->view() : nullptr;
}

CChildFrame *CMainFrame::activeChild() const
{
    QMdiSubWindow *w = m_mdi->activeSubWindow();
    if (!w) {
        const auto list = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
        w = list.isEmpty() ? nullptr : list.last();
    }
    return qobject_cast<CChildFrame *>(w);
}

QList<CChildFrame *> CMainFrame::children() const
{
    QList<CChildFrame *> out;
    for (QMdiSubWindow *w : m_mdi->subWindowList())
        if (auto *c = qobject_cast<CChildFrame *>(w))
            out.append(c);
    return out;
}

void CMainFrame::onActiveChanged()
{
    CShellView *v = activeView();
    updateDocumentMenus();
    updateTitle();
    if (v != m_lastActive) {
        m_lastActive = v;
        emit activeViewChanged(v);
    }
    scheduleIdle();
}

void CMainFrame::onDocumentAdded(CChildFrame *child)
{
    connect(child->view(), &QPlainTextEdit::cursorPositionChanged, this, [this] { scheduleIdle(); });
    connect(child->doc(), &CShellDoc::titleChanged, this, [this] { updateTitle(); });
    connect(child, &QObject::destroyed, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (m_mdi->subWindowList().isEmpty()) {
                m_lastActive = nullptr;
                emit activeViewChanged(nullptr);
            }
            updateDocumentMenus();
            updateTitle();
            onIdle();
        });
    });
    // Every document opened or created may change what LaTeX must typeset.
    m_needsTexRun = true;
    updateDocumentMenus();
    scheduleIdle();
}

// ---------------------------------------------------------------------------
// Window placement, closing, drag and drop

void CMainFrame::restorePlacement()
{
    const auto p = m_settings->readWindowPlacement();
    if (!p) {
        // First look: two thirds of the screen, centred (arrangeToolBars() may
        // widen it for the bars).
        m_firstLook = true;
        if (const QScreen *s = screen()) {
            const QRect avail = s->availableGeometry();
            const QSize size(avail.width() * 2 / 3, avail.height() * 2 / 3);
            setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, avail));
        }
        return;
    }
    const qint64 w = qint64(p->right) - p->left;
    const qint64 h = qint64(p->bottom) - p->top;
    if (w > 0 && h > 0)
        setGeometry(placedOnScreens(QRect(p->left, p->top, int(std::min<qint64>(w, 1 << 20)),
                                          int(std::min<qint64>(h, 1 << 20)))));
    if (p->showCmd == 3 || (p->flags & 2))
        setWindowState(windowState() | Qt::WindowMaximized);
}

QRect CMainFrame::placedOnScreens(QRect r)
{
    // No bigger than the screens together (a stored 100000 x 100000 window would take
    // gigabytes), and on a screen: a window stored on a screen that is gone comes
    // back on the primary one.
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return r;
    QRect all;
    for (const QScreen *s : QGuiApplication::screens())
        all |= s->availableGeometry();
    // (Never below 1280 x 1024, so a window stored on a larger screen that
    // comes back later keeps its size on a small virtual one.)
    r.setWidth(std::min(r.width(), std::max(all.width(), 1280)));
    r.setHeight(std::min(r.height(), std::max(all.height(), 1024)));
    bool onScreen = false;
    for (const QScreen *s : QGuiApplication::screens()) {
        const QRect seen = s->availableGeometry().intersected(r);
        onScreen |= seen.width() >= 50 && seen.height() >= 30;
    }
    if (!onScreen)
        r.moveTopLeft(primary->availableGeometry().topLeft());
    return r;
}

void CMainFrame::savePlacement()
{
    WindowPlacement p;
    const QRect r = normalGeometry().isValid() ? normalGeometry() : geometry();
    p.flags = isMaximized() ? 2 : 0;
    p.showCmd = isMaximized() ? 3 : isMinimized() ? 2 : 1;
    p.minX = p.minY = p.maxX = p.maxY = -1;
    p.left = r.x();
    p.top = r.y();
    p.right = r.x() + r.width();
    p.bottom = r.y() + r.height();
    m_settings->writeWindowPlacement(p);
}

void CMainFrame::closeEvent(QCloseEvent *e)
{
    QDialog closingDialog(this);
    closingDialog.setObjectName(QStringLiteral("dialog850"));
    closingDialog.setWindowTitle(Str::text(Str::AppName));
    auto *l = new QVBoxLayout(&closingDialog);
    l->addWidget(new QLabel(Str::text(Str::Closing), &closingDialog));
    closingDialog.setModal(false);
    closingDialog.show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    m_settings->profile().writeBytes(QString::fromLatin1(LayoutSection), QStringLiteral("State"),
                                     saveState().toBase64());
    m_documents->saveAll();
    // A document that is still modified (an untitled one whose name was not
    // given, a failed save) is not dropped silently.
    for (CChildFrame *c : children()) {
        if (!c->doc()->isModified())
            continue;
        closingDialog.hide();
        if (!m_documents->askSaveBeforeClose(c)) {
            e->ignore();
            return;
        }
    }
    for (const auto &guard : m_closeGuards) {
        if (!guard()) {
            e->ignore();
            return;
        }
    }
    emit closing();
    savePlacement();
    m_settingsReport->flush();
    m_closing = true;
    m_documents->setClosing(true);
    m_mdi->closeAllSubWindows();
    e->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *e)
{
    if (e->mimeData()->hasUrls())
        e->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *e)
{
    for (const QUrl &url : e->mimeData()->urls())
        if (url.isLocalFile())
            m_documents->openDocument(url.toLocalFile());
    e->acceptProposedAction();
}
