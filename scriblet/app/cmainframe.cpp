#include "app/cmainframe.h"

#include "app/commandids.h"
#include "app/cshellcommandlineinfo.h"
#include "app/cshellsettings.h"
#include "app/prompter.h"
#include "bars/ccontrolbarex.h"
#include "bars/panes.h"
#include "bars/toolbarimages.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "editor/cmacrodialog.h"
#include "editor/cumlautdialog.h"
#include "editor/editorfont.h"
#include "editor/macrofile.h"
#include "editor/symbols.h"
#include "resources/strings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QCheckBox>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const char *const RecentSection = "Recent File List";
constexpr int RecentCount = 5;

// RAII wait cursor.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

CMainFrame::CMainFrame(CShellSettings *settings, Prompter *prompter, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(Str::AppName);
    setAcceptDrops(true);
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setAccessibleName(QStringLiteral("Dokumente"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    m_idleTimer = new QTimer(this);
    m_idleTimer->setInterval(0);
    connect(m_idleTimer, &QTimer::timeout, this, &CMainFrame::onIdle);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *) {
        CShellView *v = activeView();
        if (v)
            m_settings->activeView = v;
        else if (m_mdi->subWindowList().isEmpty())
            m_settings->activeView = nullptr;
        updateDocumentMenus();
        updateTitle();
        if (v != m_lastActive) {
            m_lastActive = v;
            emit activeViewChanged(v);
        }
        scheduleIdle();
    });
    if (m_settings)
        m_settings->mainFrame = this;
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
    if (m_settings && m_settings->mainFrame == this) {
        m_settings->mainFrame = nullptr;
        m_settings->activeView = nullptr;
    }
}

bool CMainFrame::create(const CShellCommandLineInfo *cmdInfo)
{
    restorePlacement();
    m_settings->readAll();
    m_settings->enterMainPath();
    const MacroTable macros = MacroFile::load(m_settings->settingsDir());
    m_settings->macroNames = macros.names;
    m_settings->macroTexts = macros.texts;
    createMenus();
    if (!createToolBars())
        return false;
    createStatusBar();

    m_logBar = Panes::createLogBar(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_logBar);
    m_projectBar = Panes::createProjectBar(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_projectBar);
    menu(QStringLiteral("menuView"))->addAction(m_projectBar->toggleViewAction());
    menu(QStringLiteral("menuView"))->addAction(m_logBar->toggleViewAction());

    const QByteArray state = QByteArray::fromBase64(
        m_settings->profile().getBytes(QStringLiteral("General Settings-Layout"), QStringLiteral("State")));
    if (!state.isEmpty())
        restoreState(state);

    if (cmdInfo && !cmdInfo->mainDocPath.isEmpty())
        m_settings->setMainDocumentPath(cmdInfo->mainDocPath);
    updateMainDocPane();
    m_linePane->setText(Str::format(Str::LinePane, {QStringLiteral("0")}));
    loadRecent();
    updateDocumentMenus();
    return true;
}

// ---------------------------------------------------------------------------
// Menus and commands

QMenu *CMainFrame::menu(const QString &name, const QString &title)
{
    if (QMenu *m = menuBar()->findChild<QMenu *>(name, Qt::FindDirectChildrenOnly))
        return m;
    auto *m = new QMenu(title.isEmpty() ? name : title, menuBar());
    m->setObjectName(name);
    QMenu *window = menuBar()->findChild<QMenu *>(QStringLiteral("menuWindow"), Qt::FindDirectChildrenOnly);
    if (window)
        menuBar()->insertMenu(window->menuAction(), m);
    else
        menuBar()->addMenu(m);
    m->menuAction()->setObjectName(name + QStringLiteral("Action"));
    m->installEventFilter(this);
    return m;
}

QAction *CMainFrame::addCommand(int id, const QString &menuName, const QString &text, const QKeySequence &shortcut,
                                bool documentOnly)
{
    auto *a = new QAction(text, this);
    a->setObjectName(QStringLiteral("cmd%1").arg(id));
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    QString plain = text;
    plain.remove(u'&');
    a->setToolTip(plain);
    a->setStatusTip(plain);
    if (!menuName.isEmpty())
        menu(menuName)->addAction(a);
    addAction(a); // shortcuts work while the menu is hidden
    m_actions.insert(id, a);
    if (documentOnly) {
        m_documentOnly.append(a);
        a->setVisible(!m_mdi->subWindowList().isEmpty());
    }
    updateDocumentMenus();
    return a;
}

void CMainFrame::createMenus()
{
    const QString file = QStringLiteral("menuFile");
    const QString edit = QStringLiteral("menuEdit");
    const QString view = QStringLiteral("menuView");
    menu(file, QStringLiteral("&Datei"));
    menu(edit, QStringLiteral("&Bearbeiten"));
    menu(view, QStringLiteral("&Ansicht"));
    menu(QStringLiteral("menuTex"), QStringLiteral("&TeX"));
    menu(QStringLiteral("menuSettings"), QStringLiteral("&Einstellungen"));
    menu(QStringLiteral("menuProject"), QStringLiteral("&Projekt"));
    menu(QStringLiteral("menuWindow"), QStringLiteral("&Fenster"));
    // Help stays last: menus created later go before the Window menu.
    auto *help = new QMenu(QStringLiteral("&?"), menuBar());
    help->setObjectName(QStringLiteral("menuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("menuHelpAction"));
    help->installEventFilter(this);
    menuBar()->addMenu(help);

    connect(addCommand(Cmd::FileNew, file, QStringLiteral("&Neu"), QKeySequence::New), &QAction::triggered, this,
            [this] { newDocument(); });
    connect(addCommand(Cmd::FileOpen, file, QString::fromUtf8("Ö&ffnen..."), QKeySequence::Open),
            &QAction::triggered, this, &CMainFrame::onFileOpen);
    connect(addCommand(Cmd::FileClose, file, QString::fromUtf8("S&chließen"), QKeySequence(), true),
            &QAction::triggered, this, &CMainFrame::onFileClose);
    connect(addCommand(Cmd::FileSave, file, QStringLiteral("&Speichern"), QKeySequence::Save, true),
            &QAction::triggered, this, &CMainFrame::onFileSave);
    connect(addCommand(Cmd::FileSaveAs, file, QStringLiteral("Speichern &unter..."), QKeySequence(), true),
            &QAction::triggered, this, &CMainFrame::onFileSaveAs);
    QAction *saveAllAction = addCommand(Cmd::SaveAll, file, QStringLiteral("&Alles Speichern"), QKeySequence(), true);
    saveAllAction->setStatusTip(QStringLiteral("Speichert alle aktiven Dokumente."));
    connect(saveAllAction, &QAction::triggered, this, [this] { saveAll(); });
    m_recentMenu = menu(file);
    m_recentSeparator = m_recentMenu->addSeparator();
    for (int i = 0; i < RecentCount; ++i) {
        QAction *a = addCommand(Cmd::FileMru1 + i, file, QString());
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] {
            if (i < m_recent.size())
                openDocument(m_recent.at(i));
        });
    }
    menu(file)->addSeparator();
    QAction *exitAction = addCommand(Cmd::Exit, file, QStringLiteral("&Beenden"));
    exitAction->setStatusTip(QString::fromUtf8("Verläßt die Anwendung."));
    exitAction->setToolTip(QStringLiteral("Beenden"));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);

    auto onView = [this](void (QPlainTextEdit::*fn)()) {
        return [this, fn] {
            if (CShellView *v = activeView())
                (v->*fn)();
        };
    };
    connect(addCommand(Cmd::EditUndo, edit, QStringLiteral("&Rückgängig"), QKeySequence::Undo, true),
            &QAction::triggered, this, onView(&QPlainTextEdit::undo));
    connect(addCommand(Cmd::EditRedo, edit, QStringLiteral("&Wiederherstellen"), QKeySequence::Redo, true),
            &QAction::triggered, this, onView(&QPlainTextEdit::redo));
    menu(edit)->addSeparator();
    connect(addCommand(Cmd::EditCut, edit, QStringLiteral("&Ausschneiden"), QKeySequence::Cut, true),
            &QAction::triggered, this, [this] {
                if (CShellView *v = activeView()) {
                    v->announce(ChangeTracker::Cause::Cut);
                    v->cut();
                }
            });
    connect(addCommand(Cmd::EditCopy, edit, QStringLiteral("&Kopieren"), QKeySequence::Copy, true),
            &QAction::triggered, this, onView(&QPlainTextEdit::copy));
    connect(addCommand(Cmd::EditPaste, edit, QStringLiteral("&Einfügen"), QKeySequence::Paste, true),
            &QAction::triggered, this, onView(&QPlainTextEdit::paste));
    connect(addCommand(Cmd::EditSelectAll, edit, QStringLiteral("Alles &markieren"), QKeySequence::SelectAll, true),
            &QAction::triggered, this, onView(&QPlainTextEdit::selectAll));
    menu(edit)->addSeparator();
    connect(addCommand(Cmd::EditFind, edit, QStringLiteral("&Suchen..."), QKeySequence::Find, true),
            &QAction::triggered, this, [this] { onFind(false); });
    connect(addCommand(Cmd::EditRepeat, edit, QStringLiteral("&Weitersuchen"), QKeySequence::FindNext, true),
            &QAction::triggered, this, &CMainFrame::onFindNext);
    connect(addCommand(Cmd::EditReplace, edit, QStringLiteral("&Ersetzen..."), QKeySequence::Replace, true),
            &QAction::triggered, this, [this] { onFind(true); });

    QAction *wrap = addCommand(Cmd::WordWrap, view, QStringLiteral("&Zeilenumbruch"));
    wrap->setStatusTip(QStringLiteral("Schaltet den Zeilenumbruch ein/aus"));
    wrap->setCheckable(true);
    connect(wrap, &QAction::triggered, this, &CMainFrame::onWordWrap);
    QAction *font = addCommand(Cmd::EditorFont, view, QStringLiteral("Schrift&art..."));
    font->setStatusTip(QString::fromUtf8("Auswahl der Schriftart für die Dokumente"));
    connect(font, &QAction::triggered, this, &CMainFrame::onFont);
    menu(view)->addSeparator();

    QAction *macros = addCommand(Cmd::MacroSettings, QStringLiteral("menuSettings"), QStringLiteral("&Makros"));
    macros->setStatusTip(QString::fromUtf8("Einstellungen für Makros"));
    macros->setToolTip(QStringLiteral("Makros"));
    connect(macros, &QAction::triggered, this, &CMainFrame::onMacros);

    QAction *umlauts = addCommand(Cmd::UmlautSettings, QStringLiteral("menuSettings"), QStringLiteral("&Umlaute"));
    umlauts->setStatusTip(QStringLiteral("Festlegen der Umlaute"));
    umlauts->setToolTip(QStringLiteral("Umlaute"));
    connect(umlauts, &QAction::triggered, this, [this] {
        CUmlautDialog dlg(m_settings->umlauts, this);
        if (dlg.exec() == QDialog::Accepted)
            applyUmlauts(dlg.values());
    });
    // Only German typing converts umlauts.
    connect(menu(QStringLiteral("menuSettings")), &QMenu::aboutToShow, this,
            [this, umlauts] { umlauts->setEnabled(m_settings->language == 0); });
    umlauts->setEnabled(m_settings->language == 0);

    const QString window = QStringLiteral("menuWindow");
    connect(addCommand(Cmd::WindowCascade, window, QStringLiteral("Ü&berlappend"), QKeySequence(), true),
            &QAction::triggered, m_mdi, &QMdiArea::cascadeSubWindows);
    connect(addCommand(Cmd::WindowTileHorz, window, QStringLiteral("&Nebeneinander"), QKeySequence(), true),
            &QAction::triggered, m_mdi, &QMdiArea::tileSubWindows);
    connect(addCommand(Cmd::WindowArrange, window, QStringLiteral("&Symbole anordnen"), QKeySequence(), true),
            &QAction::triggered, m_mdi, &QMdiArea::tileSubWindows);

    connect(menu(window), &QMenu::aboutToShow, this, &CMainFrame::rebuildWindowList);

    connect(addCommand(Cmd::About, QStringLiteral("menuHelp"), QStringLiteral("&Info")), &QAction::triggered, this,
            [this] { m_prompter->showAbout(); });
    wrap->setChecked(m_settings->wrapMode != 0);
}

bool CMainFrame::createToolBars()
{
    QString error;
    if (!ToolbarImages::load(m_settings->settingsDir(), ToolbarImages::Kind::Tools, &m_toolImages, &error)
        || !ToolbarImages::load(m_settings->settingsDir(), ToolbarImages::Kind::Macros, &m_macroImages, &error))
        return false;

    struct Bar {
        int id;
        QString caption;
        int toggleId;
    };
    const QList<Bar> bars = {
        {838, Str::MainBar, Cmd::ViewToolbar},
        {845, Str::ArrowsBar, Cmd::ViewArrowsBar},
        {847, Str::BinaryOpsBar, Cmd::ViewBinaryOpsBar},
        {848, Str::AccentsBar, Cmd::ViewAccentsBar},
        {849, Str::RelationsBar, Cmd::ViewRelationsBar},
        {854, Str::GreekBar, Cmd::ViewGreekBar},
        {855, Str::OtherSymbolsBar, Cmd::ViewOtherSymbolsBar},
        {864, Str::MacrosBar, Cmd::ViewMacroBar},
    };
    QMenu *view = menu(QStringLiteral("menuView"));
    for (const Bar &b : bars) {
        auto *tb = new QToolBar(b.caption, this);
        tb->setObjectName(QStringLiteral("toolbar%1").arg(b.id));
        tb->setAccessibleName(b.caption);
        tb->setIconSize(QSize(16, 15));
        // Rows: main toolbar; arrows, binary operators, accents; relations, Greek,
        // other symbols. The macro bar with its captions gets the bottom edge.
        if (b.id == 845 || b.id == 849)
            addToolBarBreak(Qt::TopToolBarArea);
        addToolBar(b.id == 864 ? Qt::BottomToolBarArea : Qt::TopToolBarArea, tb);
        m_toolBars.insert(b.id, tb);
        tb->toggleViewAction()->setObjectName(QStringLiteral("cmd%1").arg(b.toggleId));
        view->addAction(tb->toggleViewAction());
    }
    // The six symbol bars: each button inserts its text.
    for (const SymbolBar &sb : Symbols::bars()) {
        QToolBar *tb = m_toolBars.value(sb.barId);
        QAction *toggle = tb->toggleViewAction();
        toggle->setText(sb.toggleText);
        toggle->setStatusTip(sb.togglePrompt);
        for (const SymbolCommand &c : sb.commands) {
            if (c.group)
                tb->addSeparator();
            tb->addAction(createSymbolCommand(c));
        }
        for (QAction *a : tb->actions())
            if (QWidget *w = tb->widgetForAction(a); w && !a->isSeparator())
                w->setAccessibleName(a->toolTip());
    }
    for (int id : {32981, 32982})
        createSymbolCommand(*Symbols::find(id));
    m_toolBars.value(838)->toggleViewAction()->setText(QStringLiteral("&Symbolleiste"));

    // The macro bar: Shift+F1..F10 insert the ten macros; each button shows its
    // image from "ScribletMacros.bmp" and the macro's name.
    QToolBar *macroBar = m_toolBars.value(864);
    macroBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    macroBar->toggleViewAction()->setStatusTip(Str::MacroBarPrompt);
    const QList<QImage> macroIcons = ToolbarImages::split(m_macroImages);
    for (int i = 0; i < 10; ++i) {
        QAction *a = addCommand(Cmd::Macro1 + i, QString(), QString(), QKeySequence(Qt::SHIFT | Qt::Key(Qt::Key_F1 + i)));
        if (i < macroIcons.size())
            a->setIcon(QIcon(QPixmap::fromImage(macroIcons.at(i))));
        connect(a, &QAction::triggered, this, [this, i] { insertMacro(i); });
        macroBar->addAction(a);
    }
    updateMacroCaptions();

    // The main toolbar's own buttons: the standard file and edit commands.
    QToolBar *main = m_toolBars.value(838);
    const QList<QPair<int, QStyle::StandardPixmap>> buttons = {
        {Cmd::FileNew, QStyle::SP_FileIcon},         {Cmd::FileOpen, QStyle::SP_DirOpenIcon},
        {Cmd::FileSave, QStyle::SP_DialogSaveButton}, {Cmd::SaveAll, QStyle::SP_DriveFDIcon},
    };
    for (const auto &[id, icon] : buttons) {
        QAction *a = action(id);
        a->setIcon(style()->standardIcon(icon));
        main->addAction(a);
    }
    for (QToolBar *tb : {main, macroBar})
        for (QAction *a : tb->actions())
            if (QWidget *w = tb->widgetForAction(a))
                w->setAccessibleName(a->toolTip());
    return true;
}

void CMainFrame::createStatusBar()
{
    QStatusBar *sb = statusBar();
    sb->setObjectName(QStringLiteral("statusBar59393"));
    m_linePane = new QLabel(sb);
    m_linePane->setObjectName(QStringLiteral("pane%1").arg(Cmd::PaneLine));
    m_linePane->setMinimumWidth(m_linePane->fontMetrics().horizontalAdvance(Str::LinePaneSize));
    m_mainDocPane = new QLabel(sb);
    m_mainDocPane->setObjectName(QStringLiteral("pane%1").arg(Cmd::PaneMainDoc));
    m_mainDocPane->setMinimumWidth(m_mainDocPane->fontMetrics().horizontalAdvance(Str::MainDocPaneSize));
    sb->addPermanentWidget(m_linePane);
    sb->addPermanentWidget(m_mainDocPane);
    sb->showMessage(Str::Ready);
    QAction *toggle = addCommand(Cmd::ViewStatusBar, QStringLiteral("menuView"), QStringLiteral("&Statusleiste"));
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

// ---------------------------------------------------------------------------
// Status bar and idle processing

void CMainFrame::updateMainDocPane()
{
    if (m_mainDocPane)
        m_mainDocPane->setText(mainDocPaneText());
}

QString CMainFrame::mainDocPaneText() const
{
    return Str::MainDocPane + (m_settings->mainTex().isEmpty() ? Str::MainDocCurrent : m_settings->mainTex());
}

QString CMainFrame::linePaneText() const
{
    const CShellView *v = activeView();
    return Str::format(Str::LinePane, {QString::number(v ? v->caretLine() : 0)});
}

void CMainFrame::setStatusMessage(const QString &text, int timeoutMs) { statusBar()->showMessage(text, timeoutMs); }

void CMainFrame::setMainDocument(const QString &fullPath)
{
    m_settings->setMainDocumentPath(fullPath);
    updateMainDocPane();
}

void CMainFrame::updateTitle()
{
    CChildFrame *c = m_mdi->activeSubWindow() ? activeChild() : nullptr;
    setWindowTitle(c ? c->doc()->title() + QStringLiteral(" - ") + Str::AppName : Str::AppName);
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
    CShellView *v = activeView();
    if (!v || !v->backgroundColourStep())
        m_idleTimer->stop();
}

// ---------------------------------------------------------------------------
// Documents

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

CChildFrame *CMainFrame::childForPath(const QString &path) const
{
    const QString abs = QFileInfo(path).absoluteFilePath();
    for (CChildFrame *c : children())
        if (c->doc()->path() == abs)
            return c;
    return nullptr;
}

CChildFrame *CMainFrame::addChild(CShellDoc *doc)
{
    auto *child = new CChildFrame(doc, m_settings, m_mdi);
    child->canClose = [this](CChildFrame *c) { return askSaveBeforeClose(c); };
    child->view()->onNotFound = [this] {
        m_prompter->message(Str::SearchFinished, Prompter::Icon::Information);
        m_prompter->beep();
    };
    connect(child->view(), &QPlainTextEdit::cursorPositionChanged, this, [this] { scheduleIdle(); });
    connect(doc, &CShellDoc::titleChanged, this, [this] { updateTitle(); });
    connect(child, &QObject::destroyed, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (m_mdi->subWindowList().isEmpty()) {
                m_settings->activeView = nullptr;
                m_lastActive = nullptr;
                emit activeViewChanged(nullptr);
            }
            updateDocumentMenus();
            updateTitle();
            onIdle();
        });
    });
    m_mdi->addSubWindow(child);
    const QSize area = m_mdi->viewport()->size();
    if (area.width() > 200 && area.height() > 150)
        child->resize(area.width() * 4 / 5, area.height() * 4 / 5);
    child->show();
    m_mdi->setActiveSubWindow(child);
    child->view()->setFocus();
    m_settings->activeView = child->view();
    m_needsTexRun = true;
    updateDocumentMenus();
    scheduleIdle();
    return child;
}

CShellView *CMainFrame::newDocument()
{
    auto *doc = new CShellDoc;
    doc->newDocument(Str::DocNewNameBase + QString::number(++m_untitledCount));
    return addChild(doc)->view();
}

CShellView *CMainFrame::openDocument(const QString &path, int line)
{
    CChildFrame *child = childForPath(path);
    if (!child) {
        auto *doc = new CShellDoc;
        QString error;
        bool ok;
        {
            WaitCursor wait;
            ok = doc->load(path, &error);
        }
        if (!ok) {
            delete doc;
            m_prompter->message(Str::format(Str::OpenFailed, {QDir::toNativeSeparators(path), error}));
            return nullptr;
        }
        child = addChild(doc);
        child->view()->tracker().resetBackground();
        child->view()->recolourLines(0, ChangeTracker::ChunkSize);
        addRecent(doc->path());
    } else {
        m_mdi->setActiveSubWindow(child);
    }
    if (line > 0)
        m_settings->goToLine = line;
    child->view()->servePositioningRequest();
    scheduleIdle();
    return child->view();
}

bool CMainFrame::saveDocument(CShellDoc *doc)
{
    if (doc->isUntitled() || (QFileInfo::exists(doc->path()) && !QFileInfo(doc->path()).isWritable()))
        return saveDocumentAs(doc);
    QString error;
    for (;;) {
        const CShellDoc::SaveResult r = doc->save(doc->path(), &error);
        if (r == CShellDoc::SaveResult::Saved)
            return true;
        if (r == CShellDoc::SaveResult::Unencodable
            && m_prompter->question(Str::format(Str::SaveToUtf8, {doc->fileTitle()}), false) == Prompter::Answer::Yes) {
            doc->setEncoding(TextCodec::Encoding::Utf8);
            continue;
        }
        if (r == CShellDoc::SaveResult::Failed)
            m_prompter->message(Str::format(Str::SaveFailed, {QDir::toNativeSeparators(doc->path()), error}));
        return false;
    }
}

bool CMainFrame::saveDocumentAs(CShellDoc *doc)
{
    QString suggested = doc->isUntitled() ? doc->fileTitle() : doc->path();
    const QString name = m_prompter->saveFileName(Str::SaveAsTitle, Str::SaveAsFilter, suggested, QStringLiteral("tex"));
    if (name.isEmpty())
        return false;
    QString error;
    for (;;) {
        const CShellDoc::SaveResult r = doc->save(name, &error);
        if (r == CShellDoc::SaveResult::Saved) {
            addRecent(doc->path());
            return true;
        }
        if (r == CShellDoc::SaveResult::Unencodable
            && m_prompter->question(Str::format(Str::SaveToUtf8, {doc->fileTitle()}), false) == Prompter::Answer::Yes) {
            doc->setEncoding(TextCodec::Encoding::Utf8);
            continue;
        }
        if (r == CShellDoc::SaveResult::Failed)
            m_prompter->message(Str::format(Str::SaveFailed, {QDir::toNativeSeparators(name), error}));
        return false;
    }
}

bool CMainFrame::saveAll()
{
    bool all = true;
    for (CChildFrame *c : children())
        if (c->doc()->isModified())
            all &= saveDocument(c->doc());
    return all;
}

bool CMainFrame::askSaveBeforeClose(CChildFrame *child)
{
    if (m_closing)
        return true; // closing the main window already saved what could be saved
    switch (m_prompter->question(Str::format(Str::SaveChanges, {child->doc()->fileTitle()}), true)) {
    case Prompter::Answer::Yes:
        return saveDocument(child->doc());
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        return false;
    }
    return false;
}

void CMainFrame::onFileOpen()
{
    const QString name = m_prompter->openFileName(Str::OpenTitle, Str::OpenFilter, QDir::currentPath());
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().toLower() == QLatin1String("sbp"))
        requestProject(QFileInfo(name).absoluteFilePath());
    else
        openDocument(name);
}

void CMainFrame::onFileClose()
{
    if (CChildFrame *c = activeChild())
        c->close();
}

void CMainFrame::onFileSave()
{
    if (CChildFrame *c = activeChild())
        saveDocument(c->doc());
}

void CMainFrame::onFileSaveAs()
{
    if (CChildFrame *c = activeChild())
        saveDocumentAs(c->doc());
}

void CMainFrame::requestProject(const QString &path)
{
    m_pendingProject = path;
    emit projectRequested(path);
}

// ---------------------------------------------------------------------------
// Word wrap, font, find

void CMainFrame::applyWrapToAll()
{
    for (CChildFrame *c : children())
        c->view()->applyWrap();
    if (QAction *a = action(Cmd::WordWrap))
        a->setChecked(m_settings->wrapMode != 0);
}

void CMainFrame::onWordWrap()
{
    m_settings->setWrapMode(m_settings->wrapMode ? 0 : 1);
    applyWrapToAll();
}

void CMainFrame::onFont()
{
    bool ok = false;
    const QFont initial = m_settings->hasFont() ? EditorFontConv::toQFont(m_settings->font)
                                                : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QFont chosen = QFontDialog::getFont(&ok, initial, this, QStringLiteral("Schriftart"));
    if (ok && !applyEditorFont(chosen))
        m_prompter->message(m_settings->lastError());
}

bool CMainFrame::applyEditorFont(const QFont &font)
{
    if (!m_settings->writeFont(EditorFontConv::fromQFont(font, m_settings->font)))
        return false;
    WaitCursor wait;
    for (CChildFrame *c : children())
        c->view()->applyEditorSetup();
    return true;
}

void CMainFrame::onFindNext()
{
    if (CShellView *v = activeView()) {
        if (m_findText.isEmpty())
            onFind(false);
        else
            v->findNext(m_findText, m_findCase);
    }
}

void CMainFrame::onFind(bool replace)
{
    CShellView *v = activeView();
    if (!v)
        return;
    QDialog dlg(this);
    dlg.setObjectName(replace ? QStringLiteral("replaceDialog") : QStringLiteral("findDialog"));
    dlg.setWindowTitle(replace ? Str::ReplaceTitle : Str::FindTitle);
    auto *form = new QFormLayout(&dlg);
    auto *what = new QLineEdit(v->textCursor().selectedText().isEmpty() ? m_findText : v->textCursor().selectedText());
    what->setObjectName(QStringLiteral("findWhat"));
    what->setAccessibleName(QStringLiteral("Suchen nach"));
    form->addRow(QStringLiteral("Suchen &nach:"), what);
    QLineEdit *with = nullptr;
    if (replace) {
        with = new QLineEdit(m_replaceText);
        with->setObjectName(QStringLiteral("replaceWith"));
        with->setAccessibleName(QStringLiteral("Ersetzen durch"));
        form->addRow(QStringLiteral("Ersetzen &durch:"), with);
    }
    auto *caseBox = new QCheckBox(QStringLiteral("&Groß-/Kleinschreibung"));
    caseBox->setChecked(m_findCase);
    form->addRow(caseBox);
    auto *box = new QDialogButtonBox(&dlg);
    QPushButton *next = box->addButton(QStringLiteral("&Weitersuchen"), QDialogButtonBox::ActionRole);
    QPushButton *rep = replace ? box->addButton(QStringLiteral("&Ersetzen"), QDialogButtonBox::ActionRole) : nullptr;
    QPushButton *all = replace ? box->addButton(QStringLiteral("&Alle ersetzen"), QDialogButtonBox::ActionRole) : nullptr;
    box->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    form->addRow(box);
    auto remember = [&] {
        m_findText = what->text();
        m_findCase = caseBox->isChecked();
        if (with)
            m_replaceText = with->text();
    };
    connect(next, &QPushButton::clicked, &dlg, [&] {
        remember();
        v->findNext(m_findText, m_findCase);
    });
    if (rep)
        connect(rep, &QPushButton::clicked, &dlg, [&] {
            remember();
            v->replaceNext(m_findText, m_replaceText, m_findCase);
        });
    if (all)
        connect(all, &QPushButton::clicked, &dlg, [&] {
            remember();
            v->replaceAll(m_findText, m_replaceText, m_findCase);
        });
    connect(box, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    next->setDefault(true);
    dlg.exec();
    remember();
}

void CMainFrame::updateMacroCaptions()
{
    for (int i = 0; i < 10; ++i) {
        QAction *a = action(Cmd::Macro1 + i);
        if (!a)
            continue;
        const QString name = m_settings->macroNames[i];
        a->setText(name);
        a->setToolTip(name.left(80));
        a->setStatusTip(Str::format(Str::MacroPrompt, {name}));
        if (QToolBar *bar = m_toolBars.value(864))
            if (QWidget *w = bar->widgetForAction(a))
                w->setAccessibleName(name.isEmpty() ? QStringLiteral("Makro %1").arg(i + 1) : name.left(80));
    }
}

bool CMainFrame::applyUmlauts(const std::array<QString, 7> &values)
{
    m_settings->umlauts = values;
    if (!m_settings->writeUmlauts()) {
        m_prompter->message(m_settings->lastError());
        return false;
    }
    return true;
}

QAction *CMainFrame::createSymbolCommand(const SymbolCommand &c)
{
    QAction *a = addCommand(c.id, QString(), c.text);
    a->setToolTip(c.text);
    a->setStatusTip(c.prompt);
    QPixmap pix(16, 15);
    pix.fill(Qt::transparent);
    {
        QPainter p(&pix);
        QFont f = font();
        f.setPixelSize(13);
        p.setFont(f);
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(pix.rect(), Qt::AlignCenter, c.glyph);
    }
    a->setIcon(QIcon(pix));
    const int id = c.id;
    connect(a, &QAction::triggered, this, [this, id] { insertSymbol(id); });
    return a;
}

bool CMainFrame::insertSymbol(int id)
{
    CShellView *v = activeView();
    const SymbolCommand *c = Symbols::find(id);
    if (!v || !c)
        return false;
    v->insertCommandText(c->text);
    return true;
}

bool CMainFrame::insertMacro(int index)
{
    CShellView *v = activeView();
    if (!v || index < 0 || index >= 10)
        return false;
    v->insertCommandText(m_settings->macroTexts[index]);
    return true;
}

void CMainFrame::onMacros()
{
    MacroTable table;
    table.names = m_settings->macroNames;
    table.texts = m_settings->macroTexts;
    CMacroDialog dlg(table, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    applyMacros(dlg.table());
}

bool CMainFrame::applyMacros(const MacroTable &table)
{
    m_settings->macroNames = table.names;
    m_settings->macroTexts = table.texts;
    updateMacroCaptions();
    QString error;
    if (!MacroFile::save(m_settings->settingsDir(), table, &error)) {
        m_prompter->message(error);
        return false;
    }
    return true;
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
// Recent files

void CMainFrame::loadRecent()
{
    m_recent.clear();
    for (int i = 1; i <= RecentCount; ++i) {
        const QString f = m_settings->profile().getString(QString::fromLatin1(RecentSection),
                                                          QStringLiteral("File%1").arg(i));
        if (!f.isEmpty())
            m_recent.append(f);
    }
    rebuildRecentMenu();
}

void CMainFrame::addRecent(const QString &path)
{
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > RecentCount)
        m_recent.removeLast();
    for (int i = 0; i < RecentCount; ++i)
        m_settings->profile().writeString(QString::fromLatin1(RecentSection), QStringLiteral("File%1").arg(i + 1),
                                          i < m_recent.size() ? m_recent.at(i) : QString());
    rebuildRecentMenu();
}

void CMainFrame::rebuildRecentMenu()
{
    for (int i = 0; i < RecentCount; ++i) {
        QAction *a = action(Cmd::FileMru1 + i);
        if (!a)
            continue;
        const bool used = i < m_recent.size();
        a->setVisible(used);
        if (used)
            a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(m_recent.at(i))));
    }
    if (m_recentSeparator)
        m_recentSeparator->setVisible(!m_recent.isEmpty());
}

// ---------------------------------------------------------------------------
// Window placement, closing, drag and drop

void CMainFrame::restorePlacement()
{
    const auto p = m_settings->readWindowPlacement();
    if (!p)
        return;
    const int w = p->right - p->left;
    const int h = p->bottom - p->top;
    if (w > 0 && h > 0)
        setGeometry(p->left, p->top, w, h);
    if (p->showCmd == 3 || (p->flags & 2))
        setWindowState(windowState() | Qt::WindowMaximized);
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
    closingDialog.setWindowTitle(Str::AppName);
    auto *l = new QVBoxLayout(&closingDialog);
    l->addWidget(new QLabel(Str::Closing, &closingDialog));
    closingDialog.setModal(false);
    closingDialog.show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    m_settings->profile().writeBytes(QStringLiteral("General Settings-Layout"), QStringLiteral("State"),
                                     saveState().toBase64());
    saveAll();
    // A document that is still modified (an untitled one whose name was not
    // given, a failed save) is not dropped silently.
    for (CChildFrame *c : children()) {
        if (!c->doc()->isModified())
            continue;
        closingDialog.hide();
        if (!askSaveBeforeClose(c)) {
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
    m_closing = true;
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
            openDocument(url.toLocalFile());
    e->acceptProposedAction();
}
