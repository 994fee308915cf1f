#include "app/tframeform.h"

#include "app/cleanupwiring.h"
#include "app/documentguardwiring.h"
#include "app/editorarea.h"
#include "app/editorwiring.h"
#include "app/handover.h"
#include "app/helpcommands.h"
#include "app/programcallswiring.h"
#include "app/spellwiring.h"
#include "app/taboutbox.h"
#include "app/templateswiring.h"
#include "app/toolboxeswiring.h"
#include "app/tspeedbar.h"
#include "app/twindowbar.h"
#include "common/dialogprompter.h"
#include "editor/teditform.h"
#include "platform/profile.h"
#include "programcalls/programcalls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString OpenFilters = QStringLiteral("TeX Files (*.tex)|*.tex|DOS OEM Text Format (*.tex)|*.tex|"
                                           "UNIX Format (*.tex)|*.tex|Styles and Classes (*.sty, *.cls)|*.sty; *.cls|"
                                           "All Files|*.*");
const QString MainFileFilter = QStringLiteral("Tex Files (*.tex)|*.tex");

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

    // Settings: where they live, then everything in them.
    m_location = SettingsLocation::resolve(programDir, env);
    if (!m_location.error.isEmpty())
        m_prompter->showError(m_location.error);
    m_settings.read(Profile(m_location.inUse));
    m_recent.setEntries(m_settings.recent);

    // The editors' host exists before the first editor.
    m_editorWiring = new EditorWiring(*this);
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("FrameCentral"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_speedBar = new TSpeedBar(central);
    m_windowBar = new TWindowBar(central);
    m_windowBar->setBarHeight(m_speedBar->barHeight());
    m_area = new EditorArea(*m_editorWiring, central);
    layout->addWidget(m_speedBar);
    layout->addWidget(m_windowBar);
    layout->addWidget(m_area, 1);
    setCentralWidget(central);
    m_session = std::make_unique<Session>(m_settings, m_location, *m_area);
    createStatusBar();
    m_menus = new FrameMenus(*this);
    connectBars();

    // The features, in the order their windows are created.
    m_cleanUpWiring = new CleanUpWiring(*this);
    m_editorWiring->install();
    m_programCallsWiring = new ProgramCallsWiring(*this);
    m_templatesWiring = new TemplatesWiring(*this);
    m_toolboxesWiring = new ToolboxesWiring(*this, m_templatesWiring->commands());
    m_help = new HelpCommands(m_programDir, *m_prompter, this, statusBar());
    m_spellWiring = new SpellWiring(*this);
    m_guardWiring = new DocumentGuardWiring(*this);

    m_menus->rebuildRecentMenu();
    m_menus->rebuildExternalPrograms();
    rebuildSpeedBar();
    applyBarVisibility();
    m_session->restoreFrameBounds(*this);
    m_menus->refreshVisibility();
    showMainFileStatus();
}

TFrameForm::~TFrameForm()
{
    // The editors go first, while the bars they report to and their host still exist.
    m_closing = true;
    m_area->destroyEditors();
}

void TFrameForm::createStatusBar()
{
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
}

void TFrameForm::connectBars()
{
    connect(m_area, &EditorArea::editorAdded, this, &TFrameForm::editorAdded);
    connect(m_area, &EditorArea::editorRemoved, this, &TFrameForm::editorRemoved);
    connect(m_area, &EditorArea::activeEditorChanged, this, &TFrameForm::onActiveEditorChanged);
    connect(m_speedBar, &TSpeedBar::buttonClicked, this, &TFrameForm::onSpeedButton);
    connect(m_windowBar, &TWindowBar::activateRequested, this, &TFrameForm::activateEditor);
    connect(m_windowBar, &TWindowBar::saveRequested, this, &TFrameForm::saveEditor);
    connect(m_windowBar, &TWindowBar::saveAsRequested, this, &TFrameForm::saveEditorAs);
    connect(m_windowBar, &TWindowBar::closeRequested, this, [this](TEditForm *e) {
        if (QMdiSubWindow *w = m_area->subWindowOf(e))
            w->close();
    });
    connect(m_windowBar, &TWindowBar::setMainFileRequested, this, [this](TEditForm *e) {
        if (!e->fileName().isEmpty())
            setMainFile(e->fileName());
    });
}

EditorCommands &TFrameForm::editorCommands() const { return m_editorWiring->commands(); }

ProgramCalls &TFrameForm::programCalls() const { return m_programCallsWiring->calls(); }

TemplateCommands &TFrameForm::templateCommands() const { return m_templatesWiring->commands(); }

ToolboxCommands &TFrameForm::toolboxCommands() const { return m_toolboxesWiring->commands(); }

DocumentGuard &TFrameForm::documentGuard() const { return m_guardWiring->guard(); }

// ---------------------------------------------------------------- editors

TEditForm *TFrameForm::activeEditor() const { return m_area->activeEditor(); }

QList<TEditForm *> TFrameForm::editors() const { return m_area->editors(); }

void TFrameForm::editorAdded(TEditForm *editor)
{
    m_windowBar->addEditor(editor);
    connect(editor, &QWidget::windowTitleChanged, m_windowBar, &TWindowBar::refresh);
    connect(editor, &QWidget::windowTitleChanged, this, &TFrameForm::updateTitle);
    // The editor's own signal: re-highlighting never flashes the button bold.
    connect(editor, &TEditForm::modifiedChanged, m_windowBar, &TWindowBar::refresh);
    m_menus->refreshVisibility();
    emit editorsChanged();
}

void TFrameForm::editorRemoved(TEditForm *editor)
{
    m_windowBar->removeEditor(editor);
    if (m_closing)
        return;
    m_menus->refreshVisibility();
    if (!activeEditor()) {
        m_windowBar->setActiveEditor(nullptr);
        m_caretPanel->clear();
    }
    updateTitle();
    emit editorsChanged();
}

void TFrameForm::onActiveEditorChanged(TEditForm *e)
{
    if (m_closing)
        return;
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
    m_caretPanel->setText(QStringLiteral("%1:%2").arg(e->caretLine()).arg(e->caretColumn()));
}

void TFrameForm::activateEditor(TEditForm *editor) { m_area->activate(editor); }

TEditForm *TFrameForm::newEditor() { return m_area->newEditor(QStringLiteral("Unnamed%1").arg(m_newCounter++)); }

TEditForm *TFrameForm::openFile(const QString &path, OpenFormat format, int line)
{
    const QString full = resolveOpenPath(path, m_settings.lineSpecials, QDir::currentPath());
    if (full.isEmpty())
        return nullptr;
    bool loaded = false;
    TEditForm *e = m_area->openFile(full, format, line, &loaded);
    if (loaded)
        addRecent(full);
    updateCaretStatus();
    return e;
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
    m_menus->rebuildRecentMenu();
}

void TFrameForm::replaceFirstRecent(const QString &path)
{
    m_recent.replaceFirst(path);
    m_menus->rebuildRecentMenu();
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
        ctx.editorLine = e->caretLine();
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

// ---------------------------------------------------------------- start-up and exit

void TFrameForm::restoreAtStartUp()
{
    m_session->restore();
    m_toolboxesWiring->restore();
    // Text that a crash kept is offered once the remembered editors are back.
    m_guardWiring->guard().offerPending();
    showMainFileStatus();
    m_windowBar->refresh();
    m_spellWiring->restoreWindow();
    activateWindow();
}

void TFrameForm::closeEvent(QCloseEvent *event)
{
    for (TEditForm *e : m_area->editorsInChildOrder()) {
        if (e->isModified() && !e->queryClose()) {
            event->ignore();
            return;
        }
    }
    m_toolboxesWiring->storeState();
    m_spellWiring->storeWindow();
    QString error;
    if (!m_session->writeAtExit(*this, m_recent.entries(), &error))
        m_prompter->showError(QStringLiteral("Could not write the settings file:\r\n") + error);
    // Then the features' own files and sections.
    if (!m_templatesWiring->writeAtExit(&error))
        m_prompter->showError(error);
    if (!m_toolboxesWiring->writeAtExit(&error))
        m_prompter->showError(error);
    m_closing = true;
    event->accept();
}

// ---------------------------------------------------------------- commands

void TFrameForm::onSpeedButton(const SpeedButton &b)
{
    if (const SpeedCommandWord *word = findSpeedCommandWord(b.command)) {
        if (QAction *a = actions().*(word->action))
            a->trigger();
        return;
    }
    programCalls().runTemplate(b.commandLine);
}

void TFrameForm::rebuildSpeedBar()
{
    m_speedBar->setButtons(speedButtons(m_settings.version, m_settings.buttons));
    // A button whose command belongs to a feature that is not there stays disabled.
    const QList<SpeedButton> &defs = m_speedBar->buttons();
    for (int i = 0; i < defs.size(); ++i)
        if (const SpeedCommandWord *word = findSpeedCommandWord(defs.at(i).command))
            m_speedBar->button(i)->setEnabled(actions().*(word->action) != nullptr);
}

void TFrameForm::onAbout()
{
    TAboutBox box(this);
    box.exec();
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

// ---------------------------------------------------------------- settings

void TFrameForm::setClassFonts(const ClassFonts &fonts)
{
    m_settings.fonts = fonts;
    emit classFontsChanged();
}

QColor TFrameForm::backgroundColor() const
{
    // The system window colour follows the desktop's palette.
    if (m_settings.backgroundColor == SystemWindowColor)
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
    m_menus->refreshOptionsMenu();
    emit wordWrapChanged(on);
}

void TFrameForm::setSyntaxColoring(bool on)
{
    m_settings.syntaxColoring = on;
    m_menus->refreshOptionsMenu();
    emit syntaxColoringChanged(on);
}

void TFrameForm::setLineSpecials(bool on)
{
    m_settings.lineSpecials = on;
    m_menus->refreshOptionsMenu();
}

void TFrameForm::setCreateBackup(bool on)
{
    m_settings.createBackup = on;
    m_menus->refreshOptionsMenu();
}

void TFrameForm::applyBarVisibility()
{
    // The layout keeps the window bar below the speed bar when both are shown.
    m_speedBar->setVisible(m_settings.speedBar);
    m_windowBar->setVisible(m_settings.windowBar);
    statusBar()->setVisible(m_settings.statusBar);
    m_menus->refreshViewMenu();
}
