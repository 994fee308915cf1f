#include "app/programcallswiring.h"

#include "app/tframeform.h"
#include "programcalls/programcalls.h"

ProgramCallsWiring::ProgramCallsWiring(TFrameForm &frame)
    : QObject(&frame), m_frame(frame), m_calls(new ProgramCalls(*this, &frame))
{
    setObjectName(QStringLiteral("ProgramCallsWiring"));
    const ProgramCalls::Actions &a = m_calls->actions();
    FrameMenus &menus = frame.menus();
    for (QAction *item : {a.compile, a.logFile, a.preview})
        menus.addAction(menus.tex, item, menus.actions.externalProgramsSeparator);
    menus.addAction(menus.options, a.programCalls);
    menus.actions.compile = a.compile;
    menus.actions.logFile = a.logFile;
    menus.actions.preview = a.preview;
    // Speed-bar buttons of the TeX commands become usable now that their items exist.
    frame.rebuildSpeedBar();
}

Prompter &ProgramCallsWiring::prompter() { return m_frame.prompter(); }

void ProgramCallsWiring::saveModifiedEditors() { m_frame.saveModifiedEditors(); }

QString ProgramCallsWiring::mainFile() const { return m_frame.mainFile(); }

bool ProgramCallsWiring::selectMainFile() { return m_frame.selectMainFile(); }

QString ProgramCallsWiring::expand(const QString &commandTemplate) const { return m_frame.expand(commandTemplate); }

void ProgramCallsWiring::openFile(const QString &path) { m_frame.openFile(path, OpenFormat::Plain, 0); }

void ProgramCallsWiring::showMainFile(const QString &) { m_frame.showMainFileStatus(); }

ProgramTemplates ProgramCallsWiring::templates() const { return m_frame.settings().templates; }

void ProgramCallsWiring::setTemplates(const ProgramTemplates &templates) { m_frame.settings().templates = templates; }
