// The document guard wired to the frame: it follows every editor of the editor
// area, makes the start-up offer after the session is restored, looks at the files
// on disk whenever the program becomes active, and opens editors for recovered text.
// Its recovery entries live in $XDG_STATE_HOME/Vellumix/recovery.
#pragma once

#include "editor/documentguard.h"

#include <QObject>

class TFrameForm;

class DocumentGuardWiring final : public QObject, public DocumentGuardHost
{
    Q_OBJECT
public:
    explicit DocumentGuardWiring(TFrameForm &frame);
    DocumentGuard &guard() { return *m_guard; }

    Prompter &prompter() override;
    TEditForm *editorOf(const QString &path) const override;
    TEditForm *openEditor(const QString &path) override;
    TEditForm *newEditor() override;

private:
    TFrameForm &m_frame;
    DocumentGuard *m_guard;
};
