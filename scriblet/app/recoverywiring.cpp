#include "app/recoverywiring.h"

#include "app/cmainframe.h"
#include "app/documentmanager.h"
#include "editor/cchildframe.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "recovery/documentsafety.h"
#include "recovery/recoveryhost.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>

namespace {

// The frame's document windows as crash recovery and the disk watch see them.
// Lives as long as the frame (a child of it); DocumentSafety is its child.
class FrameRecoveryHost : public QObject, public RecoveryHost
{
public:
    explicit FrameRecoveryHost(CMainFrame *frame) : QObject(frame), m_frame(frame) {}

    QList<CShellDoc *> openDocuments() const override
    {
        QList<CShellDoc *> out;
        for (CChildFrame *c : m_frame->children())
            out.append(c->doc());
        return out;
    }
    CShellDoc *openDocument(const QString &path) override
    {
        CShellView *v = m_frame->documents().openDocument(path);
        return v ? v->document() : nullptr;
    }
    void showDocument(CShellDoc *doc) override { m_frame->documents().showDocument(doc); }
    int caretLine(CShellDoc *doc) const override
    {
        CShellView *v = viewOf(doc);
        return v ? v->caretLine() : 1;
    }
    void setCaretLine(CShellDoc *doc, int line) override
    {
        CShellView *v = viewOf(doc);
        if (!v)
            return;
        const int scroll = v->verticalScrollBar()->value();
        QTextDocument *td = doc->textDocument();
        QTextCursor c(td);
        c.setPosition(td->findBlockByNumber(std::clamp(line, 1, td->blockCount()) - 1).position());
        v->setTextCursor(c);
        v->verticalScrollBar()->setValue(scroll);
    }
    void documentReloaded(CShellDoc *doc) override
    {
        if (CShellView *v = viewOf(doc)) {
            v->tracker().resetBackground();
            v->recolourLines(0, ChangeTracker::ChunkSize);
        }
        m_frame->scheduleIdle();
    }

private:
    CShellView *viewOf(CShellDoc *doc) const
    {
        for (CChildFrame *c : m_frame->children())
            if (c->doc() == doc)
                return c->view();
        return nullptr;
    }
    CMainFrame *m_frame;
};

} // namespace

DocumentSafety *RecoveryWiring::install(CMainFrame *frame, const QString &recoveryDir)
{
    auto *host = new FrameRecoveryHost(frame);
    auto *safety = new DocumentSafety(*host, *frame->prompter(),
                                      recoveryDir.isEmpty() ? RecoveryStore::defaultDirectory(QStringLiteral("Scriblet"))
                                                            : recoveryDir,
                                      host);
    frame->setDocumentSafety(safety);
    QObject::connect(&frame->documents(), &DocumentManager::documentReady, safety,
                     [safety](CChildFrame *child) { safety->documentAdded(child->doc()); });
    frame->documents().confirmSave = [safety](CShellDoc *doc, const QString &path) {
        return safety->confirmSave(doc, path);
    };
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, safety, [safety](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive)
            safety->check();
    });
    return safety;
}
