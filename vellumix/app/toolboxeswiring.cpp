#include "app/toolboxeswiring.h"

#include "app/helpcommands.h"
#include "app/tframeform.h"
#include "editor/teditform.h"
#include "templates/templatecommands.h"
#include "toolboxes/toolboxcommands.h"

#include <QAction>
#include <QMenu>

ToolboxesWiring::ToolboxesWiring(TFrameForm &frame, TemplateCommands &templates)
    : QObject(&frame), m_frame(frame), m_templates(templates)
{
    setObjectName(QStringLiteral("ToolboxesWiring"));
    m_commands = new ToolboxCommands(*this, frame.settingsLocation(), &frame);
    const ToolboxCommands::Actions &a = m_commands->actions();
    FrameMenus &menus = frame.menus();
    for (QAction *item : {a.greek, a.math, a.symbols, a.userTemplates})
        menus.addAction(menus.toolboxes, item);
    for (QAction *item : {a.graphics, a.figure})
        menus.addAction(menus.templates, item, menus.actions.documentWizard);
    menus.actions.greekBox = a.greek;
    menus.actions.mathBox = a.math;
    menus.actions.symbolBox = a.symbols;
    menus.actions.templateBox = a.userTemplates;
    connect(&templates, &TemplateCommands::templatesChanged, m_commands, &ToolboxCommands::userTemplatesChanged);
    m_commands->place(frame.settings().toolboxes);
    // Speed-bar buttons of the toolboxes become usable now that their items exist.
    frame.rebuildSpeedBar();
}

void ToolboxesWiring::restore() { m_commands->showStored(m_frame.settings().toolboxes); }

void ToolboxesWiring::storeState() { m_commands->store(m_frame.settings().toolboxes); }

bool ToolboxesWiring::writeAtExit(QString *message)
{
    QString error;
    if (m_commands->writeAtExit(&error))
        return true;
    *message = QStringLiteral("Could not save the settings of the graphics and image dialogs:\r\n") + error;
    return false;
}

Prompter &ToolboxesWiring::prompter() { return m_frame.prompter(); }

void ToolboxesWiring::insert(const QString &before, const QString &after) { m_frame.insert(before, after); }

void ToolboxesWiring::focusFrame()
{
    m_frame.activateWindow();
    if (TEditForm *e = m_frame.activeEditor())
        e->setFocus();
    else
        m_frame.setFocus();
}

QStringList ToolboxesWiring::userTemplateNames() const { return m_templates.userTemplates().names(); }

void ToolboxesWiring::insertUserTemplate(int index) { m_templates.insertTemplate(index); }

// Program help has no topics: the help file (or the README) is shown as a whole.
void ToolboxesWiring::showHelp(const QString &) { m_frame.help().showProgramHelp(); }
