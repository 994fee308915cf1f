// The editor feature wired to the frame: the host every editor and the editor
// commands talk to (fonts, options, main file, prompter, the open editors, recent
// files, opening files and documents, running command lines), and the editor
// commands' items in the frame's Edit, View and Options menus.
#pragma once

#include "editor/editorhost.h"

#include <QObject>

class EditorCommands;
class TFrameForm;

class EditorWiring final : public QObject, public EditorHost
{
    Q_OBJECT
public:
    // Serves as the editors' host from now on; the commands come with install().
    explicit EditorWiring(TFrameForm &frame);
    // Creates the editor commands, puts their items into the frame's menus and lets
    // them follow the frame's active editor and options.
    void install();
    EditorCommands &commands() const { return *m_commands; }

    ClassFonts classFonts() const override;
    QColor backgroundColor() const override;
    EditorOptions editorOptions() const override;
    QString mainFile() const override;
    Prompter &prompter() override;
    TEditForm *activeEditor() const override;
    QList<TEditForm *> editors() const override;
    void addRecentFile(const QString &path) override;
    void replaceFirstRecentFile(const QString &path) override;
    void openFile(const QString &path, OpenFormat format, int line) override;
    bool openDocument(const QString &path, const QString &workingDir) override;
    void runCommandLine(const QString &commandLine) override;
    void setAppearance(const ClassFonts &fonts, const QColor &background) override;
    bool confirmOverwrite(const QString &path) override;

private:
    TFrameForm &m_frame;
    EditorCommands *m_commands = nullptr;
};
