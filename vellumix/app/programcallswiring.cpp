#include "app/programcallswiring.h"

#include "app/editorarea.h"
#include "app/tframeform.h"
#include "editor/teditform.h"
#include "programcalls/compilelogview.h"
#include "programcalls/programcalls.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

ProgramCallsWiring::ProgramCallsWiring(TFrameForm &frame)
    : QObject(&frame), m_frame(frame), m_panel(new QLabel(&frame)), m_calls(new ProgramCalls(*this, &frame))
{
    setObjectName(QStringLiteral("ProgramCallsWiring"));
    m_panel->setObjectName(QStringLiteral("CompilePanel"));
    m_panel->setAccessibleName(QStringLiteral("Compile"));
    frame.statusBar()->addPermanentWidget(m_panel);

    const ProgramCalls::Actions &a = m_calls->actions();
    FrameMenus &menus = frame.menus();
    for (QAction *item : {a.compile, a.logFile, a.preview})
        menus.addAction(menus.tex, item, menus.actions.externalProgramsSeparator);
    QAction *errorsSeparator = menus.tex->insertSeparator(menus.actions.externalProgramsSeparator);
    errorsSeparator->setObjectName(QStringLiteral("CompileSeparator"));
    for (QAction *item : {a.stopCompile, a.nextError, a.previousError})
        menus.addAction(menus.tex, item, menus.actions.externalProgramsSeparator);
    menus.addAction(menus.options, a.programCalls);
    menus.actions.compile = a.compile;
    menus.actions.logFile = a.logFile;
    menus.actions.preview = a.preview;

    CompileLogView *view = m_calls->logView();
    frame.addDockWidget(Qt::BottomDockWidgetArea, view);
    view->hide();
    QAction *toggle = view->toggleViewAction();
    toggle->setText(QStringLiteral("Compile &Log"));
    toggle->setObjectName(QStringLiteral("CompileLog1"));
    menus.addAction(menus.view, toggle);
    // Speed-bar buttons of the TeX commands become usable now that their items exist.
    frame.rebuildSpeedBar();
}

Prompter &ProgramCallsWiring::prompter() { return m_frame.prompter(); }

void ProgramCallsWiring::saveModifiedEditors() { m_frame.saveModifiedEditors(); }

QString ProgramCallsWiring::mainFile() const { return m_frame.mainFile(); }

bool ProgramCallsWiring::selectMainFile() { return m_frame.selectMainFile(); }

PlaceholderContext ProgramCallsWiring::placeholderContext() const { return m_frame.placeholderContext(); }

void ProgramCallsWiring::openFile(const QString &path, int line) { m_frame.openFile(path, OpenFormat::Plain, line); }

void ProgramCallsWiring::showLine(const QString &path, int line)
{
    if (TEditForm *e = m_frame.editorArea()->editorOf(path))
        e->goToLine(line);
}

void ProgramCallsWiring::showMainFile(const QString &) { m_frame.showMainFileStatus(); }

void ProgramCallsWiring::showStatus(const QString &text) { m_panel->setText(text); }

ProgramTemplates ProgramCallsWiring::templates() const { return m_frame.settings().templates; }

void ProgramCallsWiring::setTemplates(const ProgramTemplates &templates) { m_frame.settings().templates = templates; }
