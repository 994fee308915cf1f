// Menus and actions of the frame, by objectName (GUI tests and other windows use these):
//   File1:      New1 Open1 MainFile1 Save1 SaveAs1 Recent1 (submenu RecentMenu, items Recent_<n>) Exit1
//   Edit1:      Undo1 Cut1 Copy1 Paste1
//   View1:      SpeedBar1 StatusBar1 WindowBar1
//   Templates1, Toolboxes1: filled by the template and toolbox windows
//   TeX1:       MainFile2, then ExternalProgramsSeparator and ExternalProgram<n>
//   Window1:    Tile1 Cascade1 ArrangeIcons1 CloseAll1, WindowListSeparator, WindowList<n>
//   Options1:   LineSpecials1 CreateBackups1 SyntaxHighlighting1 WordWrap1
//   Help1:      Vellumix1 LaTeX1 Info1
// Speed-bar command words call actions of other windows by name: texmain Compile1,
// showlog LogFile1, previewmain Preview1, greekbox GreekLetters1, mathbox MathSymbols1,
// symbolbox Symbols1, templatebox UserTemplates1.
#include "app/tframeform.h"

#include "app/taboutbox.h"
#include "common/dialogprompter.h"
#include "app/handover.h"
#include "editor/teditform.h"
#include "editor/editorcommands.h"
#include "app/tspeedbar.h"
#include "app/twindowbar.h"
#include "platform/associations.h"
#include "platform/hostprocess.h"
#include "platform/profile.h"
#include "platform/savefile.h"
#include "platform/textcodec.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString OpenFilters = QStringLiteral("TeX Files (*.tex)|*.tex|DOS OEM Text Format (*.tex)|*.tex|"
                                           "UNIX Format (*.tex)|*.tex|Styles and Classes (*.sty, *.cls)|*.sty; *.cls|"
                                           "All Files|*.*");
const QString MainFileFilter = QStringLiteral("Tex Files (*.tex)|*.tex");

// Finds the editor form of a sub-window, whether the form is the sub-window itself or
// the widget inside it.
TEditForm *editFormOf(QMdiSubWindow *window)
{
    if (!window)
        return nullptr;
    if (auto *form = qobject_cast<TEditForm *>(static_cast<QObject *>(window)))
        return form;
    return qobject_cast<TEditForm *>(window->widget());
}

int clampInt(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

} // namespace

TFrameForm::TFrameForm(const QString &programDir, Prompter *prompter, const EnvironmentLookup &env, QWidget *parent)
    : QMainWindow(parent), m_programDir(programDir), m_prompter(prompter)
{
    setObjectName(QStringLiteral("FrameForm"));
    setWindowTitle(QStringLiteral("Vellumix"));
    setAcceptDrops(true);
    if (!m_prompter) {
        m_ownPrompter = std::make_unique<DialogPrompter>(this);
        m_prompter = m_ownPrompter.get();
    }

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("FrameCentral"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_speedBar = new TSpeedBar(central);
    m_windowBar = new TWindowBar(central);
    m_windowBar->setBarHeight(m_speedBar->barHeight());
    m_mdi = new QMdiArea(central);
    m_mdi->setObjectName(QStringLiteral("MdiArea"));
    m_mdi->setAccessibleName(QStringLiteral("Documents"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(m_speedBar);
    layout->addWidget(m_windowBar);
    layout->addWidget(m_mdi, 1);
    setCentralWidget(central);

    m_caretPanel = new QLabel(this);
    m_caretPanel->setObjectName(QStringLiteral("CaretPanel"));
    m_caretPanel->setAccessibleName(QStringLiteral("Caret position"));
    m_caretPanel->setFixedWidth(100);
    m_mainPanel = new QLabel(this);
    m_mainPanel->setObjectName(QStringLiteral("MainFilePanel"));
    m_mainPanel->setAccessibleName(QStringLiteral("Main file"));
    m_mainPanel->setMinimumWidth(50);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(m_caretPanel);
    statusBar()->addWidget(m_mainPanel, 1);

    connect(m_mdi, &QMdiArea::subWindowActivated, this, &TFrameForm::onSubWindowActivated);
    connect(m_speedBar, &TSpeedBar::buttonClicked, this, &TFrameForm::onSpeedButton);
    connect(m_windowBar, &TWindowBar::activateRequested, this, &TFrameForm::activateEditor);
    connect(m_windowBar, &TWindowBar::saveRequested, this, &TFrameForm::saveEditor);
    connect(m_windowBar, &TWindowBar::saveAsRequested, this, &TFrameForm::saveEditorAs);
    connect(m_windowBar, &TWindowBar::closeRequested, this, [this](TEditForm *e) {
        if (QMdiSubWindow *w = subWindowOf(e))
            w->close();
    });
    connect(m_windowBar, &TWindowBar::setMainFileRequested, this, [this](TEditForm *e) {
        if (!e->fileName().isEmpty())
            setMainFile(e->fileName());
    });

    // Settings: where they live, then everything in them.
    m_location = resolveSettingsLocation(programDir, env);
    if (!m_location.error.isEmpty())
        m_prompter->showError(m_location.error);
    m_settings.read(Profile(m_location.inUse));
    m_recent.setEntries(m_settings.recent);
    rebuildFormats();

    createMenus();
    new TEditorCommands(this);
    rebuildRecentMenu();
    rebuildExternalPrograms();
    rebuildSpeedBar();
    applyBarVisibility();
    applyWindowBounds();
    refreshMenuVisibility();
    showMainFileStatus();
}

TFrameForm::~TFrameForm()
{
    // The editors go first, while the bars they report to still exist.
    m_closing = true;
    disconnect(m_mdi, nullptr, this, nullptr);
    qDeleteAll(m_mdi->subWindowList());
}

// ---------------------------------------------------------------- menus

QAction *TFrameForm::addItem(QMenu *menu, const char *objectName, const QString &caption, const QKeySequence &shortcut)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(objectName));
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    // Shortcuts work while a menu is hidden.
    addAction(a);
    return a;
}

void TFrameForm::createMenus()
{
    auto makeMenu = [this](const char *name, const QString &caption) {
        QMenu *m = menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Item"));
        return m;
    };

    QMenu *file = makeMenu("File1", QStringLiteral("&File"));
    connect(addItem(file, "New1", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N)), &QAction::triggered,
            this, &TFrameForm::onNew);
    connect(addItem(file, "Open1", QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O)), &QAction::triggered,
            this, &TFrameForm::onOpen);
    connect(addItem(file, "MainFile1", QStringLiteral("&Main File...")), &QAction::triggered, this,
            &TFrameForm::selectMainFile);
    connect(addItem(file, "Save1", QStringLiteral("&Save"), QKeySequence(Qt::Key_F2)), &QAction::triggered, this,
            &TFrameForm::onSave);
    connect(addItem(file, "SaveAs1", QStringLiteral("Save &as...")), &QAction::triggered, this, &TFrameForm::onSaveAs);
    m_recentMenu = file->addMenu(QStringLiteral("&Recent"));
    m_recentMenu->setObjectName(QStringLiteral("RecentMenu"));
    m_recentMenu->menuAction()->setObjectName(QStringLiteral("Recent1"));
    file->addSeparator()->setObjectName(QStringLiteral("FileExitSeparator"));
    connect(addItem(file, "Exit1", QStringLiteral("E&xit")), &QAction::triggered, this, &QWidget::close);
    connect(file, &QMenu::aboutToShow, this, &TFrameForm::refreshFileMenu);

    QMenu *edit = makeMenu("Edit1", QStringLiteral("&Edit"));
    auto onEditor = [this](auto fn) {
        return [this, fn]() {
            if (TEditForm *e = activeEditor())
                fn(e->editor());
        };
    };
    connect(addItem(edit, "Undo1", QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z)), &QAction::triggered,
            this, onEditor([](QPlainTextEdit *t) { t->undo(); }));
    edit->addSeparator();
    connect(addItem(edit, "Cut1", QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X)), &QAction::triggered,
            this, onEditor([](QPlainTextEdit *t) { t->cut(); }));
    connect(addItem(edit, "Copy1", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C)), &QAction::triggered,
            this, onEditor([](QPlainTextEdit *t) { t->copy(); }));
    connect(addItem(edit, "Paste1", QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V)), &QAction::triggered,
            this, onEditor([](QPlainTextEdit *t) { t->paste(); }));
    connect(edit, &QMenu::aboutToShow, this, &TFrameForm::refreshEditMenu);

    QMenu *view = makeMenu("View1", QStringLiteral("&View"));
    QAction *speed = addItem(view, "SpeedBar1", QStringLiteral("S&peed Bar"));
    QAction *status = addItem(view, "StatusBar1", QStringLiteral("&Status Bar"));
    QAction *window = addItem(view, "WindowBar1", QStringLiteral("&Window Bar"));
    for (QAction *a : {speed, status, window})
        a->setCheckable(true);
    connect(speed, &QAction::triggered, this, [this](bool on) {
        m_settings.speedBar = on;
        applyBarVisibility();
    });
    connect(status, &QAction::triggered, this, [this](bool on) {
        m_settings.statusBar = on;
        applyBarVisibility();
    });
    connect(window, &QAction::triggered, this, [this](bool on) {
        m_settings.windowBar = on;
        applyBarVisibility();
    });
    connect(view, &QMenu::aboutToShow, this, &TFrameForm::refreshViewMenu);

    makeMenu("Templates1", QStringLiteral("&Templates"));
    makeMenu("Toolboxes1", QStringLiteral("Tool&boxes"));

    QMenu *tex = makeMenu("TeX1", QStringLiteral("Te&X"));
    connect(addItem(tex, "MainFile2", QStringLiteral("&Main File"), QKeySequence(Qt::Key_F4)), &QAction::triggered,
            this, &TFrameForm::openMainFile);
    m_externalSeparator = tex->addSeparator();
    m_externalSeparator->setObjectName(QStringLiteral("ExternalProgramsSeparator"));

    QMenu *win = makeMenu("Window1", QStringLiteral("&Window"));
    connect(addItem(win, "Tile1", QStringLiteral("&Tile")), &QAction::triggered, m_mdi, &QMdiArea::tileSubWindows);
    connect(addItem(win, "Cascade1", QStringLiteral("&Cascade")), &QAction::triggered, m_mdi,
            &QMdiArea::cascadeSubWindows);
    connect(addItem(win, "ArrangeIcons1", QStringLiteral("&Arrange Icons")), &QAction::triggered, this,
            &TFrameForm::onArrangeIcons);
    connect(addItem(win, "CloseAll1", QStringLiteral("Close &All")), &QAction::triggered, this,
            &TFrameForm::onCloseAll);
    win->addSeparator()->setObjectName(QStringLiteral("WindowListSeparator"));
    connect(win, &QMenu::aboutToShow, this, &TFrameForm::rebuildWindowList);

    QMenu *options = makeMenu("Options1", QStringLiteral("&Options"));
    QAction *specials = addItem(options, "LineSpecials1", QStringLiteral("&Line Specials"));
    QAction *backups = addItem(options, "CreateBackups1", QStringLiteral("&Create Backups"));
    QAction *coloring = addItem(options, "SyntaxHighlighting1", QStringLiteral("&Syntax Highlighting"));
    QAction *wrap = addItem(options, "WordWrap1", QStringLiteral("&WordWrap"));
    for (QAction *a : {specials, backups, coloring, wrap})
        a->setCheckable(true);
    connect(specials, &QAction::triggered, this, &TFrameForm::setLineSpecials);
    connect(backups, &QAction::triggered, this, &TFrameForm::setCreateBackup);
    connect(coloring, &QAction::triggered, this, &TFrameForm::setSyntaxColoring);
    connect(wrap, &QAction::triggered, this, &TFrameForm::setWordWrap);
    options->addSeparator()->setObjectName(QStringLiteral("OptionsDialogsSeparator"));
    connect(options, &QMenu::aboutToShow, this, &TFrameForm::refreshOptionsMenu);

    QMenu *help = makeMenu("Help1", QStringLiteral("&Help"));
    connect(addItem(help, "Vellumix1", QStringLiteral("Vellumix..."), QKeySequence(Qt::Key_F1)), &QAction::triggered,
            this, [this]() { onHelp(QStringLiteral("Vellumix.hlp")); });
    connect(addItem(help, "LaTeX1", QStringLiteral("LaTeX..."), QKeySequence(Qt::CTRL | Qt::Key_F1)),
            &QAction::triggered, this, [this]() { onHelp(QStringLiteral("LaTeX2e.hlp")); });
    help->addSeparator();
    connect(addItem(help, "Info1", QStringLiteral("&Info...")), &QAction::triggered, this, &TFrameForm::onAbout);

    refreshFileMenu();
    refreshViewMenu();
    refreshOptionsMenu();
}

QMenu *TFrameForm::menu(const QString &objectName) const
{
    return menuBar()->findChild<QMenu *>(objectName);
}

QAction *TFrameForm::action(const QString &objectName) const
{
    const QList<QAction *> all = menuBar()->findChildren<QAction *>(objectName);
    if (!all.isEmpty())
        return all.first();
    const QList<QAction *> own = actions();
    for (QAction *a : own)
        if (a->objectName() == objectName)
            return a;
    for (QMenu *m : menuBar()->findChildren<QMenu *>())
        for (QAction *a : m->actions())
            if (a->objectName() == objectName)
                return a;
    return nullptr;
}

void TFrameForm::addMenuAction(const QString &menuName, QAction *act, const QString &beforeName)
{
    QMenu *m = menu(menuName);
    if (!m || !act)
        return;
    QAction *before = nullptr;
    if (!beforeName.isEmpty()) {
        for (QAction *a : m->actions())
            if (a->objectName() == beforeName)
                before = a;
    } else if (menuName == QStringLiteral("TeX1")) {
        before = m_externalSeparator;
    } else if (menuName == QStringLiteral("Window1")) {
        for (QAction *a : m->actions())
            if (a->objectName() == QStringLiteral("WindowListSeparator"))
                before = a;
    }
    m->insertAction(before, act);
    if (!act->shortcut().isEmpty())
        addAction(act);
    refreshMenuVisibility();
}

void TFrameForm::refreshMenuVisibility()
{
    const bool haveEditors = !editors().isEmpty();
    auto hasItems = [](QMenu *m) {
        for (QAction *a : m->actions())
            if (!a->isSeparator())
                return true;
        return false;
    };
    if (QMenu *m = menu(QStringLiteral("Edit1")))
        m->menuAction()->setVisible(haveEditors);
    if (QMenu *m = menu(QStringLiteral("Window1")))
        m->menuAction()->setVisible(haveEditors);
    if (QMenu *m = menu(QStringLiteral("Templates1")))
        m->menuAction()->setVisible(haveEditors && hasItems(m));
    if (QMenu *m = menu(QStringLiteral("Toolboxes1")))
        m->menuAction()->setVisible(hasItems(m));
    refreshFileMenu();
    if (m_externalSeparator)
        m_externalSeparator->setVisible(!m_externalActions.isEmpty());
}

void TFrameForm::refreshFileMenu()
{
    const bool haveEditors = !editors().isEmpty();
    if (QAction *a = action(QStringLiteral("Save1")))
        a->setEnabled(haveEditors);
    if (QAction *a = action(QStringLiteral("SaveAs1")))
        a->setEnabled(haveEditors);
    if (m_recentMenu)
        m_recentMenu->menuAction()->setEnabled(!m_recent.isEmpty());
}

void TFrameForm::refreshEditMenu()
{
    TEditForm *e = activeEditor();
    QPlainTextEdit *t = e ? e->editor() : nullptr;
    const bool selection = t && t->textCursor().hasSelection();
    action(QStringLiteral("Undo1"))->setEnabled(t && t->document()->isUndoAvailable());
    action(QStringLiteral("Cut1"))->setEnabled(selection);
    action(QStringLiteral("Copy1"))->setEnabled(selection);
    const QClipboard *clip = QGuiApplication::clipboard();
    action(QStringLiteral("Paste1"))->setEnabled(t && clip && !clip->text().isEmpty());
}

void TFrameForm::refreshViewMenu()
{
    action(QStringLiteral("SpeedBar1"))->setChecked(m_settings.speedBar);
    action(QStringLiteral("StatusBar1"))->setChecked(m_settings.statusBar);
    action(QStringLiteral("WindowBar1"))->setChecked(m_settings.windowBar);
}

void TFrameForm::refreshOptionsMenu()
{
    action(QStringLiteral("LineSpecials1"))->setChecked(m_settings.lineSpecials);
    action(QStringLiteral("CreateBackups1"))->setChecked(m_settings.createBackup);
    action(QStringLiteral("SyntaxHighlighting1"))->setChecked(m_settings.syntaxColoring);
    action(QStringLiteral("WordWrap1"))->setChecked(m_settings.wordWrap);
}

void TFrameForm::rebuildWindowList()
{
    QMenu *win = menu(QStringLiteral("Window1"));
    for (QAction *a : m_windowListActions) {
        win->removeAction(a);
        a->deleteLater();
    }
    m_windowListActions.clear();
    TEditForm *active = activeEditor();
    const QList<TEditForm *> list = editors();
    for (int i = 0; i < list.size(); ++i) {
        TEditForm *e = list.at(i);
        QAction *a = win->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(e->windowTitle()));
        a->setObjectName(QStringLiteral("WindowList%1").arg(i));
        a->setCheckable(true);
        a->setChecked(e == active);
        connect(a, &QAction::triggered, this, [this, e]() { activateEditor(e); });
        m_windowListActions.append(a);
    }
}

void TFrameForm::rebuildRecentMenu()
{
    m_recentMenu->clear();
    const QStringList &entries = m_recent.entries();
    for (int i = 0; i < entries.size(); ++i) {
        QAction *a = m_recentMenu->addAction(RecentFiles::caption(i, entries.at(i)));
        a->setObjectName(QStringLiteral("Recent_%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i]() { openRecent(i); });
    }
    m_recentMenu->menuAction()->setEnabled(!entries.isEmpty());
}

void TFrameForm::rebuildExternalPrograms()
{
    QMenu *tex = menu(QStringLiteral("TeX1"));
    for (QAction *a : m_externalActions) {
        tex->removeAction(a);
        a->deleteLater();
    }
    m_externalActions.clear();
    for (int i = 0; i < m_settings.externalPrograms.size(); ++i) {
        const NamedValue entry = m_settings.externalPrograms.at(i);
        QAction *a = tex->addAction(entry.key);
        a->setObjectName(QStringLiteral("ExternalProgram%1").arg(i));
        connect(a, &QAction::triggered, this, [this, entry]() { runCommandLine(expand(entry.value)); });
        m_externalActions.append(a);
    }
    m_externalSeparator->setVisible(!m_externalActions.isEmpty());
}

void TFrameForm::rebuildSpeedBar()
{
    m_speedBar->setButtons(speedButtons(m_settings.version, m_settings.buttons));
    static const QHash<QString, QString> named = {
        {QStringLiteral("texmain"), QStringLiteral("Compile1")},      {QStringLiteral("showlog"), QStringLiteral("LogFile1")},
        {QStringLiteral("previewmain"), QStringLiteral("Preview1")},  {QStringLiteral("greekbox"), QStringLiteral("GreekLetters1")},
        {QStringLiteral("mathbox"), QStringLiteral("MathSymbols1")},  {QStringLiteral("symbolbox"), QStringLiteral("Symbols1")},
        {QStringLiteral("templatebox"), QStringLiteral("UserTemplates1")},
    };
    // A button whose command belongs to a window that is not there yet stays disabled.
    const QList<SpeedButton> &defs = m_speedBar->buttons();
    for (int i = 0; i < defs.size(); ++i) {
        const auto it = named.find(defs.at(i).command);
        if (it != named.end())
            m_speedBar->button(i)->setEnabled(action(it.value()) != nullptr);
    }
}

// ---------------------------------------------------------------- settings

void TFrameForm::rebuildFormats()
{
    for (int i = 0; i < TokenClassCount; ++i)
        m_formats[i] = charFormatFor(m_settings.fonts[i]);
}

void TFrameForm::setClassFonts(const ClassFonts &fonts)
{
    m_settings.fonts = fonts;
    rebuildFormats();
    for (TEditForm *e : editors())
        e->editor()->setFont(classFont(TokenClass::Standard));
    emit classFontsChanged();
}

QFont TFrameForm::classFont(TokenClass cls) const
{
    const ClassFont &c = m_settings.fonts[int(cls)];
    QFont f(c.face);
    f.setPointSize(c.size);
    f.setBold(c.bold);
    f.setItalic(c.italic);
    f.setUnderline(c.underline);
    f.setStrikeOut(c.strikeOut);
    return f;
}

QColor TFrameForm::backgroundColor() const
{
    // The system window colour follows the desktop's palette.
    if (m_settings.backgroundColor == 0x80000005u)
        return QApplication::palette().color(QPalette::Base);
    return colorFromWin(m_settings.backgroundColor);
}

void TFrameForm::setBackgroundColor(quint32 winColor)
{
    m_settings.backgroundColor = winColor;
    emit backgroundColorChanged();
}

void TFrameForm::setWordWrap(bool on)
{
    m_settings.wordWrap = on;
    for (TEditForm *e : editors()) {
        e->editor()->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        e->editor()->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    }
    refreshOptionsMenu();
    emit wordWrapChanged(on);
}

void TFrameForm::setSyntaxColoring(bool on)
{
    m_settings.syntaxColoring = on;
    refreshOptionsMenu();
    emit syntaxColoringChanged(on);
}

void TFrameForm::setLineSpecials(bool on)
{
    m_settings.lineSpecials = on;
    refreshOptionsMenu();
}

void TFrameForm::setCreateBackup(bool on)
{
    m_settings.createBackup = on;
    refreshOptionsMenu();
}

void TFrameForm::applyBarVisibility()
{
    // The layout keeps the window bar below the speed bar when both are shown.
    m_speedBar->setVisible(m_settings.speedBar);
    m_windowBar->setVisible(m_settings.windowBar);
    statusBar()->setVisible(m_settings.statusBar);
    refreshViewMenu();
}

void TFrameForm::applyWindowBounds()
{
    // Unreadable or absurd bounds must still give a usable window.
    const int w = clampInt(m_settings.width, 200, 20000);
    const int h = clampInt(m_settings.height, 150, 20000);
    int left = clampInt(m_settings.left, -20000, 20000);
    int top = clampInt(m_settings.top, -20000, 20000);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableVirtualGeometry();
        if (!avail.intersects(QRect(left, top, w, h))) {
            left = avail.left() + 10;
            top = avail.top() + 10;
        }
    }
    setGeometry(left, top, w, h);
}

void TFrameForm::writeSettingsAtExit()
{
    if (m_location.unavailable)
        return;
    VellumixSettings &s = m_settings;
    if (isMaximized()) {
        s.windowState = QStringLiteral("wsMaximized");
    } else {
        s.windowState = isMinimized() ? QStringLiteral("wsMinimized") : QStringLiteral("wsNormal");
        const QRect g = isMinimized() ? normalGeometry() : geometry();
        s.left = g.left();
        s.top = g.top();
        s.width = g.width();
        s.height = g.height();
    }
    s.recent = m_recent.entries();

    // Remembered editors in child order; a maximised one is set to normal for its bounds.
    s.childWindows.clear();
    QMdiSubWindow *activeWindow = m_mdi->activeSubWindow();
    s.wasMaximized = activeWindow && activeWindow->isMaximized();
    for (TEditForm *e : editorsInChildOrder()) {
        // Only editors whose file name has an extension are remembered (not "Unnamed1").
        if (QFileInfo(e->fileName()).suffix().isEmpty())
            continue;
        QMdiSubWindow *w = subWindowOf(e);
        ChildWindowRecord r;
        r.state = w->isMinimized() ? 1 : (w->isMaximized() ? 2 : 0);
        if (r.state != 0)
            w->showNormal();
        r.top = w->y();
        r.left = w->x();
        r.height = w->height();
        r.width = w->width();
        r.pos = e->caretPosition();
        r.name = e->fileName();
        s.childWindows.append(r);
    }

    Profile target(m_location.target);
    QString error;
    if (!s.writeAtExit(target, m_location.programDirVersion, &error))
        m_prompter->showError(QStringLiteral("Could not write the settings file:\r\n") + error);
}

// ---------------------------------------------------------------- editors

TEditForm *TFrameForm::activeEditor() const
{
    if (TEditForm *e = editFormOf(m_mdi->activeSubWindow()))
        return e;
    // While the frame itself is not active, the MDI area reports no active window.
    return editFormOf(m_mdi->currentSubWindow());
}

QList<TEditForm *> TFrameForm::editors() const
{
    QList<TEditForm *> list;
    for (QMdiSubWindow *w : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (TEditForm *e = editFormOf(w))
            list.append(e);
    return list;
}

QList<TEditForm *> TFrameForm::editorsInChildOrder() const
{
    QList<TEditForm *> list;
    const QList<QMdiSubWindow *> history = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.crbegin(); it != history.crend(); ++it)
        if (TEditForm *e = editFormOf(*it))
            list.append(e);
    return list;
}

QMdiSubWindow *TFrameForm::subWindowOf(TEditForm *editor) const
{
    if (!editor)
        return nullptr;
    if (auto *w = qobject_cast<QMdiSubWindow *>(static_cast<QObject *>(editor)))
        return w;
    return qobject_cast<QMdiSubWindow *>(editor->parentWidget());
}

void TFrameForm::addEditor(TEditForm *editor)
{
    QMdiSubWindow *w = subWindowOf(editor);
    if (!w || !m_mdi->subWindowList().contains(w))
        w = m_mdi->addSubWindow(editor);
    // Closing an editor destroys it (the sub-window owns the form).
    w->setAttribute(Qt::WA_DeleteOnClose);
    // No program icon in the editors' title bars: an empty, transparent one.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    w->setWindowIcon(QIcon(blank));
    if (editor->minimumSize().isNull())
        w->setMinimumSize(60, 40);
    editor->editor()->setLineWrapMode(m_settings.wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    editor->editor()->setHorizontalScrollBarPolicy(m_settings.wordWrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    QPalette pal = editor->editor()->palette();
    pal.setColor(QPalette::Base, backgroundColor());
    editor->editor()->setPalette(pal);

    m_windowBar->addEditor(editor);
    connect(editor, &QWidget::windowTitleChanged, m_windowBar, &TWindowBar::refresh);
    connect(editor, &QWidget::windowTitleChanged, this, &TFrameForm::updateTitle);
    // The editor's own signal: re-highlighting never flashes the button bold.
    connect(editor, &TEditForm::modifiedChanged, m_windowBar, &TWindowBar::refresh);
    connect(editor, &QObject::destroyed, this, [this, editor]() { editorClosed(editor); });
    refreshMenuVisibility();
    emit editorsChanged();
}

void TFrameForm::editorClosed(TEditForm *editor)
{
    // Called when the editor is destroyed: only its address may be used.
    m_windowBar->removeEditor(editor);
    if (m_closing)
        return;
    refreshMenuVisibility();
    if (!activeEditor()) {
        m_windowBar->setActiveEditor(nullptr);
        m_caretPanel->clear();
    }
    updateTitle();
    emit editorsChanged();
}

void TFrameForm::onSubWindowActivated(QMdiSubWindow *window)
{
    if (m_closing)
        return;
    TEditForm *e = editFormOf(window);
    disconnect(m_caretConnection);
    if (e) {
        m_caretConnection = connect(e->editor(), &QPlainTextEdit::cursorPositionChanged, this, &TFrameForm::updateCaretStatus);
        m_windowBar->setActiveEditor(e);
    }
    updateCaretStatus();
    updateTitle();
    emit activeEditorChanged(e);
}

void TFrameForm::updateTitle()
{
    // The active document is named in the title, as for a maximised document.
    TEditForm *e = activeEditor();
    setWindowTitle(e ? QStringLiteral("Vellumix - [%1]").arg(e->windowTitle()) : QStringLiteral("Vellumix"));
}

void TFrameForm::updateCaretStatus()
{
    TEditForm *e = activeEditor();
    if (!e) {
        m_caretPanel->clear();
        return;
    }
    const QTextCursor c = e->editor()->textCursor();
    m_caretPanel->setText(QStringLiteral("%1:%2").arg(c.blockNumber() + 1).arg(c.positionInBlock() + 1));
}

void TFrameForm::activateEditor(TEditForm *editor)
{
    QMdiSubWindow *w = subWindowOf(editor);
    if (!w)
        return;
    if (w->isMinimized())
        w->showNormal();
    m_mdi->setActiveSubWindow(w);
    editor->setFocus();
}

TEditForm *TFrameForm::newEditor()
{
    auto *e = new TEditForm(this);
    e->setWindowTitle(QStringLiteral("Unnamed%1").arg(m_newCounter++));
    addEditor(e);
    subWindowOf(e)->show();
    activateEditor(e);
    return e;
}

bool TFrameForm::loadInFormat(TEditForm *editor, const QString &path, OpenFormat format)
{
    // The editor reads the format (a DOS OEM file is converted and marked modified)
    // and reports a file it cannot read.
    return editor->loadFromFile(path, format);
}

TEditForm *TFrameForm::openFile(const QString &path, OpenFormat format, int line)
{
    const QString full = resolveOpenPath(path, m_settings.lineSpecials, QDir::currentPath());
    if (full.isEmpty())
        return nullptr;
    TEditForm *existing = nullptr;
    for (TEditForm *e : editors())
        if (e->fileName() == full)
            existing = e;
    if (existing && full.endsWith(QStringLiteral(".log"))) {
        // A log is always read afresh.
        if (QMdiSubWindow *w = subWindowOf(existing))
            w->close();
        existing = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (existing) {
        activateEditor(existing);
        goToLine(existing, line);
        return existing;
    }
    auto *e = new TEditForm(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = loadInFormat(e, full, format);
    QApplication::restoreOverrideCursor();
    if (!loaded) {
        delete e;
        return nullptr;
    }
    addEditor(e);
    subWindowOf(e)->show();
    activateEditor(e);
    goToLine(e, line);
    addRecent(full);
    return e;
}

void TFrameForm::goToLine(TEditForm *editor, int line)
{
    if (!editor || line <= 0)
        return;
    QPlainTextEdit *t = editor->editor();
    const QTextBlock block = t->document()->findBlockByNumber(qMin(line, t->document()->blockCount()) - 1);
    QTextCursor c(block);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    t->setTextCursor(c);
    t->ensureCursorVisible();
    updateCaretStatus();
}

void TFrameForm::insert(const QString &before, const QString &after)
{
    TEditForm *e = activeEditor();
    if (!e)
        return;
    e->insert(before, after);
    activateWindow();
    e->setFocus();
}

bool TFrameForm::saveModifiedEditors()
{
    bool ok = true;
    for (TEditForm *e : editors())
        if (e->isModified())
            ok = saveEditor(e) && ok;
    return ok;
}

bool TFrameForm::saveEditor(TEditForm *editor)
{
    if (!editor)
        return false;
    const bool ok = editor->save();
    m_windowBar->refresh();
    return ok;
}

bool TFrameForm::saveEditorAs(TEditForm *editor)
{
    if (!editor)
        return false;
    // The editor asks for the name and format and keeps the recent list up to date.
    const bool ok = editor->saveAsDialog();
    m_windowBar->refresh();
    return ok;
}

void TFrameForm::onNew() { newEditor(); }

void TFrameForm::onOpen()
{
    int filter = 1;
    const QString name = m_prompter->chooseOpenFile(QStringLiteral("Open File"), OpenFilters, QStringLiteral("tex"), &filter);
    if (name.isEmpty())
        return;
    openFile(name, openFormatFromIndex(filter), 0);
}

void TFrameForm::onSave()
{
    if (TEditForm *e = activeEditor())
        saveEditor(e);
}

void TFrameForm::onSaveAs()
{
    if (TEditForm *e = activeEditor())
        saveEditorAs(e);
}

void TFrameForm::onCloseAll()
{
    // Closes the active editor once per open editor, each close finished before the
    // next; a cancelled save question stops the whole command.
    const int count = int(editors().size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *w = m_mdi->activeSubWindow();
        if (!w)
            w = m_mdi->currentSubWindow();
        if (!w && !m_mdi->subWindowList().isEmpty())
            w = m_mdi->subWindowList().last();
        if (!w || !w->close())
            break;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void TFrameForm::onArrangeIcons()
{
    // Minimised editors are lined up along the bottom of the workspace.
    int x = 0;
    const int bottom = m_mdi->viewport()->height();
    for (QMdiSubWindow *w : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized())
            continue;
        w->move(x, bottom - w->height());
        x += w->width();
    }
}

// ---------------------------------------------------------------- main file

void TFrameForm::setMainFile(const QString &path)
{
    m_settings.mainFile = path;
    showMainFileStatus();
    emit mainFileChanged(path);
}

void TFrameForm::showMainFileStatus(const QString &prefix) { m_mainPanel->setText(prefix + m_settings.mainFile); }

bool TFrameForm::selectMainFile()
{
    int filter = 1;
    const QString name = m_prompter->chooseOpenFile(QStringLiteral("Select Main File"), MainFileFilter,
                                                    QStringLiteral("tex"), &filter);
    if (name.isEmpty() || !QFileInfo(name).isFile())
        return false;
    setMainFile(QFileInfo(name).absoluteFilePath());
    openMainFile();
    return true;
}

void TFrameForm::openMainFile()
{
    if (!hasMainFile()) {
        selectMainFile();
        return;
    }
    openFile(m_settings.mainFile, OpenFormat::Plain, 0);
    showMainFileStatus();
    QDir::setCurrent(QFileInfo(m_settings.mainFile).absolutePath());
}

// ---------------------------------------------------------------- recent files

void TFrameForm::addRecent(const QString &path)
{
    m_recent.add(path);
    rebuildRecentMenu();
}

void TFrameForm::replaceFirstRecent(const QString &path)
{
    m_recent.replaceFirst(path);
    rebuildRecentMenu();
}

void TFrameForm::openRecent(int index)
{
    if (index < 0 || index >= m_recent.entries().size())
        return;
    const QString path = m_recent.entries().at(index);
    while (!QFileInfo(path).isFile()) {
        const QString text = QStringLiteral("Recent File\r\n\r\n") + path + QStringLiteral("\r\n\r\nnot found!");
        if (m_prompter->askRetryCancel(text) != Prompter::Answer::Retry)
            return;
    }
    openFile(path, OpenFormat::Plain, 0);
}

// ---------------------------------------------------------------- arguments

PlaceholderContext TFrameForm::placeholderContext() const
{
    PlaceholderContext ctx;
    ctx.mainFile = m_settings.mainFile;
    ctx.lineSpecials = m_settings.lineSpecials;
    if (TEditForm *e = activeEditor()) {
        ctx.hasActiveEditor = true;
        ctx.editorFile = e->fileName();
        ctx.editorLine = e->editor()->textCursor().blockNumber() + 1;
    }
    return ctx;
}

QString TFrameForm::expand(const QString &commandTemplate) const
{
    return expandPlaceholders(commandTemplate, placeholderContext());
}

void TFrameForm::handleArgument(const QString &text)
{
    const ArgumentHandler::Outcome out = m_arguments.handle(text, placeholderContext());
    if (!out.error.isEmpty()) {
        m_prompter->showError(out.error);
        return;
    }
    if (!out.open)
        return;
    const OpenRequest &req = *out.open;
    openFile(req.path, req.format, req.line);
    if (req.makeMain) {
        QString full = resolveOpenPath(req.path, m_settings.lineSpecials, QDir::currentPath());
        if (full.isEmpty())
            full = QDir::cleanPath(QDir::current().absoluteFilePath(req.path));
        m_settings.mainFile = full;
        showMainFileStatus(QStringLiteral("Main file "));
        emit mainFileChanged(full);
    }
}

void TFrameForm::handleArguments(const QStringList &arguments)
{
    for (const QString &a : arguments)
        handleArgument(a);
}

void TFrameForm::receiveHandOver(const QList<QByteArray> &messages)
{
    const std::optional<QStringList> args = HandOver::decode(messages);
    if (!args)
        return;
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    handleArguments(*args);
}

// ---------------------------------------------------------------- start-up

void TFrameForm::restoreAtStartUp()
{
    if (hasMainFile() && QFileInfo(m_settings.mainFile).isFile())
        QDir::setCurrent(QFileInfo(m_settings.mainFile).absolutePath());
    else
        m_settings.mainFile.clear();
    showMainFileStatus();

    const QList<ChildWindowRecord> records = m_settings.childWindows;
    for (int n = int(records.size()) - 1; n >= 0; --n) {
        const ChildWindowRecord &r = records.at(n);
        if (r.name.isEmpty() || !QFileInfo(r.name).isFile())
            continue;
        auto *e = new TEditForm(this);
        if (!loadInFormat(e, r.name, OpenFormat::Plain)) {
            delete e;
            continue;
        }
        addEditor(e);
        QMdiSubWindow *w = subWindowOf(e);
        w->setGeometry(clampInt(r.left, -5000, 5000), clampInt(r.top, -5000, 5000), clampInt(r.width, 60, 10000),
                       clampInt(r.height, 40, 10000));
        if (r.state == 1)
            w->showMinimized();
        else if (r.state == 2)
            w->showMaximized();
        else
            w->show();
        m_mdi->setActiveSubWindow(w);
        e->setCaretPosition(r.pos);
        e->setModified(false);
    }
    if (m_settings.wasMaximized)
        if (QMdiSubWindow *w = m_mdi->activeSubWindow())
            w->showMaximized();
    m_windowBar->refresh();
    activateWindow();
}

// ---------------------------------------------------------------- commands

void TFrameForm::triggerNamed(const QString &actionName)
{
    if (QAction *a = action(actionName))
        a->trigger();
}

void TFrameForm::onSpeedButton(const SpeedButton &b)
{
    if (b.command == QStringLiteral("save"))
        onSave();
    else if (b.command == QStringLiteral("texmain"))
        triggerNamed(QStringLiteral("Compile1"));
    else if (b.command == QStringLiteral("showlog"))
        triggerNamed(QStringLiteral("LogFile1"));
    else if (b.command == QStringLiteral("previewmain"))
        triggerNamed(QStringLiteral("Preview1"));
    else if (b.command == QStringLiteral("new"))
        onNew();
    else if (b.command == QStringLiteral("quit"))
        close();
    else if (b.command == QStringLiteral("greekbox"))
        triggerNamed(QStringLiteral("GreekLetters1"));
    else if (b.command == QStringLiteral("mathbox"))
        triggerNamed(QStringLiteral("MathSymbols1"));
    else if (b.command == QStringLiteral("symbolbox"))
        triggerNamed(QStringLiteral("Symbols1"));
    else if (b.command == QStringLiteral("templatebox"))
        triggerNamed(QStringLiteral("UserTemplates1"));
    else
        runCommandLine(expand(b.commandLine));
}

void TFrameForm::runCommandLine(const QString &commandLine, const QString &workingDir)
{
    if (m_runner) {
        m_runner(commandLine, workingDir);
        return;
    }
    const QString lower = commandLine.toLower();
    if (lower.contains(QStringLiteral(".txx")) || lower.contains(QStringLiteral(".tex")))
        saveModifiedEditors();
    const QStringList args = HostProcess::splitCommandLine(commandLine);
    HostProcess::Result r;
    if (!args.isEmpty()) {
        const QString program = HostProcess::findProgram(args.first(), workingDir);
        const QString target = QDir(workingDir.isEmpty() ? QDir::currentPath() : workingDir).absoluteFilePath(args.first());
        if (!program.isEmpty())
            r = HostProcess::startDetached(program, args.mid(1), workingDir);
        else if (QFileInfo::exists(target) || args.first().contains(QStringLiteral("://")))
            // A document or URL goes to the desktop's opener, as the shell's "open" did.
            r.started = Associations::openWithDesktop(args.first(), workingDir);
    }
    if (!r.started)
        m_prompter->showError(QStringLiteral("Unable to open\r\n>>\r\n>> ") + commandLine + QStringLiteral("\r\n>> "));
}

void TFrameForm::onHelp(const QString &fileName)
{
    const QString path = QDir(m_programDir).filePath(fileName);
    QString error;
    if (!QFileInfo(path).isFile() || !Associations::openWithDesktop(path, m_programDir, &error))
        m_prompter->showError(QStringLiteral("Unable to open the help file ") + QDir::toNativeSeparators(path));
}

void TFrameForm::onAbout()
{
    TAboutBox box(this);
    box.exec();
}

// ---------------------------------------------------------------- events

void TFrameForm::closeEvent(QCloseEvent *event)
{
    for (TEditForm *e : editorsInChildOrder()) {
        if (e->isModified() && !e->queryClose()) {
            event->ignore();
            return;
        }
    }
    writeSettingsAtExit();
    m_closing = true;
    event->accept();
}

void TFrameForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TFrameForm::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    for (const QUrl &url : urls)
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            openFile(url.toLocalFile(), OpenFormat::Plain, 0);
}
