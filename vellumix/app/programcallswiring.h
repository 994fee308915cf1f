// The program calls wired to the frame: the host they talk to (main file, editors,
// placeholders, the templates in the frame's settings, the compile panel of the
// status bar), their items in the frame's TeX, View and Options menus (the speed-bar
// words texmain, showlog and previewmain reach them), and the compile log view at
// the bottom of the frame.
#pragma once

#include "programcalls/programcallshost.h"

#include <QObject>

class ProgramCalls;
class QLabel;
class TFrameForm;

class ProgramCallsWiring final : public QObject, public ProgramCallsHost
{
    Q_OBJECT
public:
    explicit ProgramCallsWiring(TFrameForm &frame);
    ProgramCalls &calls() const { return *m_calls; }
    // Status-bar panel of the compile ("CompilePanel").
    QLabel *compilePanel() const { return m_panel; }

    Prompter &prompter() override;
    void saveModifiedEditors() override;
    QString mainFile() const override;
    bool selectMainFile() override;
    PlaceholderContext placeholderContext() const override;
    void openFile(const QString &path, int line) override;
    void showLine(const QString &path, int line) override;
    void showMainFile(const QString &path) override;
    void showStatus(const QString &text) override;
    ProgramTemplates templates() const override;
    void setTemplates(const ProgramTemplates &templates) override;

private:
    TFrameForm &m_frame;
    QLabel *m_panel;
    ProgramCalls *m_calls;
};
