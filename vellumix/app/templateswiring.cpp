#include "app/templateswiring.h"

#include "app/tframeform.h"
#include "templates/templatecommands.h"

#include <QAction>
#include <QMenu>

TemplatesWiring::TemplatesWiring(TFrameForm &frame) : QObject(&frame), m_frame(frame)
{
    setObjectName(QStringLiteral("TemplatesWiring"));
    m_commands = new TemplateCommands(*this, frame.settingsLocation(), &frame);
    const TemplateCommands::Actions &a = m_commands->actions();
    FrameMenus &menus = frame.menus();
    for (QAction *item : a.builtIns)
        menus.addAction(menus.templates, item);
    menus.templates->addSeparator()->setObjectName(QStringLiteral("TemplatesDialogsSeparator"));
    menus.addAction(menus.templates, a.document);
    menus.templates->addSeparator()->setObjectName(QStringLiteral("UserTemplatesSeparator"));
    menus.addAction(menus.templates, a.userMenu->menuAction());
    menus.addAction(menus.options, a.defineTemplates);
    menus.actions.documentWizard = a.document;
}

Prompter &TemplatesWiring::prompter() { return m_frame.prompter(); }

void TemplatesWiring::insert(const QString &before, const QString &after) { m_frame.insert(before, after); }

bool TemplatesWiring::writeAtExit(QString *message)
{
    QString error;
    if (m_commands->writeAtExit(&error))
        return true;
    *message = QStringLiteral("Could not save the user templates and the document options:\r\n") + error;
    return false;
}
