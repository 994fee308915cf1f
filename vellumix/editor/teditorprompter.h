// Message boxes and file dialogs of the editor on the screen.
#pragma once

#include "editor/editorprompter.h"

class QWidget;

class TEditorPrompter final : public EditorPrompter {
public:
    explicit TEditorPrompter(QWidget *parent) : m_parent(parent) {}
    void information(const QString &text) override;
    void warning(const QString &text) override;
    void error(const QString &text) override;
    Answer askSave(const QString &text) override;
    QString saveFileName(const QString &current, int *filterIndex) override;
    bool askLine(QString *answer) override;

private:
    QWidget *m_parent;
};
