// The toolboxes and the figure dialogs wired to the frame: their items in the
// Toolboxes and Templates menus (the speed-bar words greekbox, mathbox, symbolbox and
// templatebox reach them), the host they work through (the frame's insert and focus,
// the user templates of the templates feature, the help file), and their places and
// visibility in the frame's settings.
#pragma once

#include "toolboxes/toolboxhost.h"

#include <QObject>

class TemplateCommands;
class TFrameForm;
class ToolboxCommands;

class ToolboxesWiring final : public QObject, public ToolboxHost
{
    Q_OBJECT
public:
    ToolboxesWiring(TFrameForm &frame, TemplateCommands &templates);
    ToolboxCommands &commands() const { return *m_commands; }

    // Start-up, after the editors: the toolboxes stored as visible are shown.
    void restore();
    // Before the frame writes its settings: places, sizes and visibility.
    void storeState();
    // The dialogs' fields at exit; false (and *message) when they could not be written.
    bool writeAtExit(QString *message);

    Prompter &prompter() override;
    void insert(const QString &before, const QString &after) override;
    void focusFrame() override;
    QStringList userTemplateNames() const override;
    void insertUserTemplate(int index) override;
    void showHelp(const QString &topic) override;

private:
    TFrameForm &m_frame;
    TemplateCommands &m_templates;
    ToolboxCommands *m_commands;
};
