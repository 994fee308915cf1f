// The program calls wired to the frame: the host they talk to (main file, editors,
// placeholder expansion, the templates in the frame's settings) and their items in
// the frame's TeX and Options menus, which the speed-bar words texmain, showlog and
// previewmain reach.
#pragma once

#include "programcalls/programcallshost.h"

#include <QObject>

class ProgramCalls;
class TFrameForm;

class ProgramCallsWiring final : public QObject, public ProgramCallsHost
{
    Q_OBJECT
public:
    explicit ProgramCallsWiring(TFrameForm &frame);
    ProgramCalls &calls() const { return *m_calls; }

    Prompter &prompter() override;
    void saveModifiedEditors() override;
    QString mainFile() const override;
    bool selectMainFile() override;
    QString expand(const QString &commandTemplate) const override;
    void openFile(const QString &path) override;
    void showMainFile(const QString &path) override;
    ProgramTemplates templates() const override;
    void setTemplates(const ProgramTemplates &templates) override;

private:
    TFrameForm &m_frame;
    ProgramCalls *m_calls;
};
