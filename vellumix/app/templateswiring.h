// The templates wired to the frame: the built-in templates, "D&ocument..." and the
// submenu "User &Templates" in the Templates menu, Options > "&User Templates...",
// and the host they insert through (the frame's insert, its Prompter).
#pragma once

#include "templates/templateshost.h"

#include <QObject>

class TemplateCommands;
class TFrameForm;

class TemplatesWiring final : public QObject, public TemplatesHost
{
    Q_OBJECT
public:
    explicit TemplatesWiring(TFrameForm &frame);
    TemplateCommands &commands() const { return *m_commands; }

    Prompter &prompter() override;
    void insert(const QString &before, const QString &after) override;

    // The template file and the wizard's fields at exit; false (and *message, a text
    // for the user) when they could not be written.
    bool writeAtExit(QString *message);

private:
    TFrameForm &m_frame;
    TemplateCommands *m_commands;
};
