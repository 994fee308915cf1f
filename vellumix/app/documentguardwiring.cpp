#include "app/documentguardwiring.h"

#include "app/editorarea.h"
#include "app/tframeform.h"
#include "editor/teditform.h"
#include "platform/recoverystore.h"

#include <QGuiApplication>

DocumentGuardWiring::DocumentGuardWiring(TFrameForm &frame)
    : QObject(&frame), m_frame(frame),
      m_guard(new DocumentGuard(*this, RecoveryStore::defaultDirectory(QStringLiteral("Vellumix")), this))
{
    EditorArea *area = frame.editorArea();
    connect(area, &EditorArea::editorAdded, m_guard, &DocumentGuard::attach);
    connect(area, &EditorArea::editorRemoved, m_guard, &DocumentGuard::detach);
    // A watch can miss changes (network file systems): look again on coming back.
    connect(qApp, &QGuiApplication::applicationStateChanged, m_guard, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            m_guard->checkDisk();
    });
}

Prompter &DocumentGuardWiring::prompter() { return m_frame.prompter(); }

TEditForm *DocumentGuardWiring::editorOf(const QString &path) const
{
    return path.isEmpty() ? nullptr : m_frame.editorArea()->editorOf(path);
}

TEditForm *DocumentGuardWiring::openEditor(const QString &path) { return m_frame.openFile(path); }

TEditForm *DocumentGuardWiring::newEditor() { return m_frame.newEditor(); }
