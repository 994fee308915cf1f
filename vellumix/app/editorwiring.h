// The frame as seen by an editor: fonts, options and the frame operations an editor
// triggers, and the frame's prompter as the editor's, so that message boxes and
// file dialogs go where the frame's go (and tests of the frame answer them).
#pragma once

#include "editor/editorhost.h"
#include "editor/editorprompter.h"

class TFrameForm;

class FrameEditorHost final : public EditorHost {
public:
    explicit FrameEditorHost(TFrameForm *frame) : m_frame(frame) {}

    ClassFonts classFonts() const override;
    QColor backgroundColor() const override;
    EditorOptions editorOptions() const override;
    QString mainFile() const override;
    void addRecentFile(const QString &path) override;
    void replaceFirstRecentFile(const QString &path) override;
    void openFile(const QString &path, int format, int line) override;
    bool openWithDesktop(const QString &path, const QString &workingDir) override;
    bool runCommandLine(const QString &commandLine) override;
    void setMainFile(const QString &path) override;

private:
    TFrameForm *m_frame;
};

class FrameEditorPrompter final : public EditorPrompter {
public:
    explicit FrameEditorPrompter(TFrameForm *frame) : m_frame(frame) {}
    void information(const QString &text) override;
    void warning(const QString &text) override;
    void error(const QString &text) override;
    Answer askSave(const QString &text) override;
    QString saveFileName(const QString &current, int *filterIndex) override;
    bool askLine(QString *answer) override;

private:
    TFrameForm *m_frame;
};
