#include "app/framemenus.h"

#include "app/editorarea.h"
#include "app/helpcommands.h"
#include "app/recentfiles.h"
#include "app/tframeform.h"
#include "editor/teditform.h"
#include "programcalls/programcalls.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

FrameMenus::FrameMenus(TFrameForm &frame) : QObject(&frame), m_frame(frame)
{
    setObjectName(QStringLiteral("FrameMenus"));
    createFileMenu();
    createEditMenu();
    createViewMenu();
    templates = makeMenu("Templates1", QStringLiteral("&Templates"));
    toolboxes = makeMenu("Toolboxes1", QStringLiteral("Tool&boxes"));
    createTexMenu();
    createWindowMenu();
    createOptionsMenu();
    createHelpMenu();
    refreshFileMenu();
    refreshViewMenu();
    refreshOptionsMenu();
}

QMenu *FrameMenus::makeMenu(const char *name, const QString &caption)
{
    QMenu *m = m_frame.menuBar()->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Item"));
    return m;
}

QAction *FrameMenus::addItem(QMenu *menu, const char *objectName, const QString &caption, const QKeySequence &shortcut)
{
    QAction *a = addItem(menu, objectName, caption);
    a->setShortcut(shortcut);
    // Shortcuts work while a menu is hidden.
    m_frame.addAction(a);
    return a;
}

QAction *FrameMenus::addItem(QMenu *menu, const char *objectName, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(objectName));
    return a;
}

void FrameMenus::createFileMenu()
{
    TFrameForm *f = &m_frame;
    file = makeMenu("File1", QStringLiteral("&File"));
    actions.newFile = addItem(file, "New1", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    actions.open = addItem(file, "Open1", QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    actions.mainFile = addItem(file, "MainFile1", QStringLiteral("&Main File..."));
    actions.save = addItem(file, "Save1", QStringLiteral("&Save"), QKeySequence(Qt::Key_F2));
    actions.saveAs = addItem(file, "SaveAs1", QStringLiteral("Save &as..."));
    recent = file->addMenu(QStringLiteral("&Recent"));
    recent->setObjectName(QStringLiteral("RecentMenu"));
    recent->menuAction()->setObjectName(QStringLiteral("Recent1"));
    actions.fileExitSeparator = file->addSeparator();
    actions.fileExitSeparator->setObjectName(QStringLiteral("FileExitSeparator"));
    actions.exit = addItem(file, "Exit1", QStringLiteral("E&xit"));
    connect(actions.newFile, &QAction::triggered, f, &TFrameForm::newEditor);
    connect(actions.open, &QAction::triggered, f, &TFrameForm::onOpen);
    connect(actions.mainFile, &QAction::triggered, f, &TFrameForm::selectMainFile);
    connect(actions.save, &QAction::triggered, f, &TFrameForm::onSave);
    connect(actions.saveAs, &QAction::triggered, f, &TFrameForm::onSaveAs);
    connect(actions.exit, &QAction::triggered, f, &QWidget::close);
    connect(file, &QMenu::aboutToShow, this, &FrameMenus::refreshFileMenu);
}

void FrameMenus::createEditMenu()
{
    edit = makeMenu("Edit1", QStringLiteral("&Edit"));
    auto onEditor = [this](void (QPlainTextEdit::*fn)()) {
        return [this, fn]() {
            if (TEditForm *e = m_frame.activeEditor()) {
                // A loading file's widget takes no edits: its text is completed first.
                e->finishLoading();
                (e->editor()->*fn)();
            }
        };
    };
    actions.undo = addItem(edit, "Undo1", QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit->addSeparator();
    actions.cut = addItem(edit, "Cut1", QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    actions.copy = addItem(edit, "Copy1", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    actions.paste = addItem(edit, "Paste1", QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    connect(actions.undo, &QAction::triggered, this, onEditor(&QPlainTextEdit::undo));
    connect(actions.cut, &QAction::triggered, this, onEditor(&QPlainTextEdit::cut));
    connect(actions.copy, &QAction::triggered, this, onEditor(&QPlainTextEdit::copy));
    connect(actions.paste, &QAction::triggered, this, onEditor(&QPlainTextEdit::paste));
    connect(edit, &QMenu::aboutToShow, this, &FrameMenus::refreshEditMenu);
}

void FrameMenus::createViewMenu()
{
    view = makeMenu("View1", QStringLiteral("&View"));
    actions.speedBar = addItem(view, "SpeedBar1", QStringLiteral("S&peed Bar"));
    actions.statusBar = addItem(view, "StatusBar1", QStringLiteral("&Status Bar"));
    actions.windowBar = addItem(view, "WindowBar1", QStringLiteral("&Window Bar"));
    for (QAction *a : {actions.speedBar, actions.statusBar, actions.windowBar})
        a->setCheckable(true);
    VellumixSettings &s = m_frame.settings();
    connect(actions.speedBar, &QAction::triggered, this, [this, &s](bool on) {
        s.speedBar = on;
        m_frame.applyBarVisibility();
    });
    connect(actions.statusBar, &QAction::triggered, this, [this, &s](bool on) {
        s.statusBar = on;
        m_frame.applyBarVisibility();
    });
    connect(actions.windowBar, &QAction::triggered, this, [this, &s](bool on) {
        s.windowBar = on;
        m_frame.applyBarVisibility();
    });
    connect(view, &QMenu::aboutToShow, this, &FrameMenus::refreshViewMenu);
}

void FrameMenus::createTexMenu()
{
    tex = makeMenu("TeX1", QStringLiteral("Te&X"));
    actions.openMainFile = addItem(tex, "MainFile2", QStringLiteral("&Main File"), QKeySequence(Qt::Key_F4));
    connect(actions.openMainFile, &QAction::triggered, &m_frame, &TFrameForm::openMainFile);
    actions.externalProgramsSeparator = tex->addSeparator();
    actions.externalProgramsSeparator->setObjectName(QStringLiteral("ExternalProgramsSeparator"));
}

void FrameMenus::createWindowMenu()
{
    EditorArea *area = m_frame.editorArea();
    window = makeMenu("Window1", QStringLiteral("&Window"));
    actions.tile = addItem(window, "Tile1", QStringLiteral("&Tile"));
    actions.cascade = addItem(window, "Cascade1", QStringLiteral("&Cascade"));
    actions.arrangeIcons = addItem(window, "ArrangeIcons1", QStringLiteral("&Arrange Icons"));
    actions.closeAll = addItem(window, "CloseAll1", QStringLiteral("Close &All"));
    connect(actions.tile, &QAction::triggered, area, &QMdiArea::tileSubWindows);
    connect(actions.cascade, &QAction::triggered, area, &QMdiArea::cascadeSubWindows);
    connect(actions.arrangeIcons, &QAction::triggered, area, &EditorArea::arrangeIcons);
    connect(actions.closeAll, &QAction::triggered, area, &EditorArea::closeAll);
    actions.windowListSeparator = window->addSeparator();
    actions.windowListSeparator->setObjectName(QStringLiteral("WindowListSeparator"));
    connect(window, &QMenu::aboutToShow, this, &FrameMenus::rebuildWindowList);
}

void FrameMenus::createOptionsMenu()
{
    TFrameForm *f = &m_frame;
    options = makeMenu("Options1", QStringLiteral("&Options"));
    actions.lineSpecials = addItem(options, "LineSpecials1", QStringLiteral("&Line Specials"));
    actions.createBackups = addItem(options, "CreateBackups1", QStringLiteral("&Create Backups"));
    actions.syntaxHighlighting = addItem(options, "SyntaxHighlighting1", QStringLiteral("&Syntax Highlighting"));
    actions.wordWrap = addItem(options, "WordWrap1", QStringLiteral("&WordWrap"));
    for (QAction *a : {actions.lineSpecials, actions.createBackups, actions.syntaxHighlighting, actions.wordWrap})
        a->setCheckable(true);
    connect(actions.lineSpecials, &QAction::triggered, f, &TFrameForm::setLineSpecials);
    connect(actions.createBackups, &QAction::triggered, f, &TFrameForm::setCreateBackup);
    connect(actions.syntaxHighlighting, &QAction::triggered, f, &TFrameForm::setSyntaxColoring);
    connect(actions.wordWrap, &QAction::triggered, f, &TFrameForm::setWordWrap);
    options->addSeparator()->setObjectName(QStringLiteral("OptionsDialogsSeparator"));
    connect(options, &QMenu::aboutToShow, this, &FrameMenus::refreshOptionsMenu);
}

void FrameMenus::createHelpMenu()
{
    TFrameForm *f = &m_frame;
    help = makeMenu("Help1", QStringLiteral("&Help"));
    actions.helpVellumix = addItem(help, "Vellumix1", QStringLiteral("Vellumix..."), QKeySequence(Qt::Key_F1));
    actions.helpLatex = addItem(help, "LaTeX1", QStringLiteral("LaTeX..."), QKeySequence(Qt::CTRL | Qt::Key_F1));
    help->addSeparator();
    actions.info = addItem(help, "Info1", QStringLiteral("&Info..."));
    connect(actions.helpVellumix, &QAction::triggered, f, [f] { f->help().showProgramHelp(); });
    connect(actions.helpLatex, &QAction::triggered, f, [f] { f->help().showLatexHelp(); });
    connect(actions.info, &QAction::triggered, f, &TFrameForm::onAbout);
}

void FrameMenus::addAction(QMenu *menu, QAction *action, QAction *before)
{
    if (!menu || !action)
        return;
    menu->insertAction(before, action);
    if (!action->shortcut().isEmpty())
        m_frame.addAction(action);
    refreshVisibility();
}

void FrameMenus::refreshVisibility()
{
    const bool haveEditors = !m_frame.editors().isEmpty();
    auto hasItems = [](QMenu *m) {
        for (QAction *a : m->actions())
            if (!a->isSeparator())
                return true;
        return false;
    };
    edit->menuAction()->setVisible(haveEditors);
    window->menuAction()->setVisible(haveEditors);
    templates->menuAction()->setVisible(haveEditors && hasItems(templates));
    toolboxes->menuAction()->setVisible(hasItems(toolboxes));
    refreshFileMenu();
    actions.externalProgramsSeparator->setVisible(!m_externalActions.isEmpty());
}

void FrameMenus::refreshFileMenu()
{
    const bool haveEditors = !m_frame.editors().isEmpty();
    actions.save->setEnabled(haveEditors);
    actions.saveAs->setEnabled(haveEditors);
    recent->menuAction()->setEnabled(!m_frame.recentFiles().isEmpty());
}

void FrameMenus::refreshEditMenu()
{
    TEditForm *e = m_frame.activeEditor();
    QPlainTextEdit *t = e ? e->editor() : nullptr;
    const bool selection = t && t->textCursor().hasSelection();
    actions.undo->setEnabled(t && t->document()->isUndoAvailable());
    actions.cut->setEnabled(selection);
    actions.copy->setEnabled(selection);
    const QClipboard *clip = QGuiApplication::clipboard();
    actions.paste->setEnabled(t && clip && !clip->text().isEmpty());
}

void FrameMenus::refreshViewMenu()
{
    const VellumixSettings &s = m_frame.settings();
    actions.speedBar->setChecked(s.speedBar);
    actions.statusBar->setChecked(s.statusBar);
    actions.windowBar->setChecked(s.windowBar);
}

void FrameMenus::refreshOptionsMenu()
{
    const VellumixSettings &s = m_frame.settings();
    actions.lineSpecials->setChecked(s.lineSpecials);
    actions.createBackups->setChecked(s.createBackup);
    actions.syntaxHighlighting->setChecked(s.syntaxColoring);
    actions.wordWrap->setChecked(s.wordWrap);
}

void FrameMenus::rebuildWindowList()
{
    for (QAction *a : m_windowListActions) {
        window->removeAction(a);
        a->deleteLater();
    }
    m_windowListActions.clear();
    TEditForm *active = m_frame.activeEditor();
    const QList<TEditForm *> list = m_frame.editors();
    for (int i = 0; i < list.size(); ++i) {
        TEditForm *e = list.at(i);
        QAction *a = window->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(e->windowTitle()));
        a->setObjectName(QStringLiteral("WindowList%1").arg(i));
        a->setCheckable(true);
        a->setChecked(e == active);
        connect(a, &QAction::triggered, this, [this, e]() { m_frame.activateEditor(e); });
        m_windowListActions.append(a);
    }
}

void FrameMenus::rebuildRecentMenu()
{
    recent->clear();
    const QStringList &entries = m_frame.recentFiles().entries();
    for (int i = 0; i < entries.size(); ++i) {
        QAction *a = recent->addAction(RecentFiles::caption(i, entries.at(i)));
        a->setObjectName(QStringLiteral("Recent_%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i]() { m_frame.openRecent(i); });
    }
    recent->menuAction()->setEnabled(!entries.isEmpty());
}

void FrameMenus::rebuildExternalPrograms()
{
    for (QAction *a : m_externalActions) {
        tex->removeAction(a);
        a->deleteLater();
    }
    m_externalActions.clear();
    const QList<NamedValue> &programs = m_frame.settings().externalPrograms;
    for (int i = 0; i < programs.size(); ++i) {
        const NamedValue entry = programs.at(i);
        QAction *a = tex->addAction(entry.key);
        a->setObjectName(QStringLiteral("ExternalProgram%1").arg(i));
        connect(a, &QAction::triggered, this, [this, entry]() { m_frame.programCalls().runTemplate(entry.value); });
        m_externalActions.append(a);
    }
    actions.externalProgramsSeparator->setVisible(!m_externalActions.isEmpty());
}
