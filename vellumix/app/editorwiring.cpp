#include "app/editorwiring.h"

#include "app/editorarea.h"
#include "app/tframeform.h"
#include "editor/documentguard.h"
#include "editor/editorcommands.h"
#include "editor/teditform.h"
#include "programcalls/programcalls.h"

#include <QMenu>

EditorWiring::EditorWiring(TFrameForm &frame) : QObject(&frame), m_frame(frame)
{
    setObjectName(QStringLiteral("EditorWiring"));
}

void EditorWiring::install()
{
    m_commands = new EditorCommands(*this, &m_frame);
    const EditorCommands::Actions &a = m_commands->actions();
    FrameMenus &menus = m_frame.menus();
    for (QAction *item : {a.find, a.replace, a.searchAgain, a.findBrace, a.goToLine})
        menus.addAction(menus.edit, item);
    menus.addAction(menus.view, a.updateSelection);
    menus.addAction(menus.options, a.appearance);

    EditorCommands *c = m_commands;
    for (QMenu *m : {menus.edit, menus.view})
        connect(m, &QMenu::aboutToShow, c, &EditorCommands::refreshStates);
    connect(&m_frame, &TFrameForm::activeEditorChanged, c, &EditorCommands::activeEditorChanged);
    connect(&m_frame, &TFrameForm::syntaxColoringChanged, c, [c] { c->syntaxColoringChanged(); });
    connect(&m_frame, &TFrameForm::wordWrapChanged, c, [c] { c->wordWrapChanged(); });
}

ClassFonts EditorWiring::classFonts() const { return m_frame.classFonts(); }

QColor EditorWiring::backgroundColor() const { return m_frame.backgroundColor(); }

EditorOptions EditorWiring::editorOptions() const
{
    EditorOptions o;
    o.wordWrap = m_frame.wordWrap();
    o.lineSpecials = m_frame.lineSpecials();
    o.createBackup = m_frame.createBackup();
    o.syntaxColoring = m_frame.syntaxColoring();
    return o;
}

QString EditorWiring::mainFile() const { return m_frame.mainFile(); }

Prompter &EditorWiring::prompter() { return m_frame.prompter(); }

TEditForm *EditorWiring::activeEditor() const { return m_frame.activeEditor(); }

QList<TEditForm *> EditorWiring::editors() const { return m_frame.editors(); }

void EditorWiring::addRecentFile(const QString &path) { m_frame.addRecent(path); }

void EditorWiring::replaceFirstRecentFile(const QString &path) { m_frame.replaceFirstRecent(path); }

void EditorWiring::openFile(const QString &path, OpenFormat format, int line) { m_frame.openFile(path, format, line); }

bool EditorWiring::openDocument(const QString &path, const QString &workingDir)
{
    // Open starts the file as Run does, the error box included.
    return m_frame.programCalls().openDocument(path, workingDir);
}

void EditorWiring::runCommandLine(const QString &commandLine) { m_frame.programCalls().run(commandLine); }

void EditorWiring::setAppearance(const ClassFonts &fonts, const QColor &background)
{
    m_frame.setBackgroundColor(colorToWin(background));
    m_frame.setClassFonts(fonts);
    // The frame's own client area takes the background colour as well.
    m_frame.editorArea()->setBackground(background);
    m_frame.editorArea()->update();
}

bool EditorWiring::confirmOverwrite(const QString &path) { return m_frame.documentGuard().confirmOverwrite(path); }
