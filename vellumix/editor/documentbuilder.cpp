#include "editor/documentbuilder.h"

#include <QFont>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QThread>

namespace {

// The text goes in in pieces of about this many characters, each ending at a line
// break, so that a cancel is noticed soon.
constexpr qsizetype PieceChars = 512 * 1024;
// Line layout objects made between two looks at the cancel flag.
constexpr int LayoutBatch = 8192;

} // namespace

DocumentBuilder::DocumentBuilder(QObject *parent) : QObject(parent) {}

DocumentBuilder::~DocumentBuilder() { cancel(); }

void DocumentBuilder::start(QString text, const QTextDocument &model)
{
    cancel();
    m_cancelled = false;
    const QFont font = model.defaultFont();
    const QTextOption option = model.defaultTextOption();
    const qreal margin = model.documentMargin();
    QThread *home = thread();
    const int build = ++m_build;
    m_thread = std::thread([this, text = std::move(text), font, option, margin, home, build] {
        auto doc = std::make_unique<QTextDocument>();
        doc->setUndoRedoEnabled(false);
        doc->setDefaultFont(font);
        doc->setDefaultTextOption(option);
        doc->setDocumentMargin(margin);
        QTextCursor cursor(doc.get());
        // One edit block: the pieces make one change, reported once.
        cursor.beginEditBlock();
        for (qsizetype at = 0; at < text.size();) {
            if (m_cancelled)
                return;
            qsizetype end = text.size();
            if (end - at > PieceChars) {
                const qsizetype brk = text.indexOf(QLatin1Char('\n'), at + PieceChars);
                end = brk < 0 ? end : brk + 1;
            }
            cursor.insertText(text.mid(at, end - at));
            at = end;
        }
        cursor.endEditBlock();
        // The layout the text widget needs, set now: setting it walks every line.
        doc->setDocumentLayout(new QPlainTextDocumentLayout(doc.get()));
        // The widget gives every line a layout object when it takes the document;
        // made here, the window's thread only resets them.
        int n = 0;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            b.layout();
            if (++n % LayoutBatch == 0 && m_cancelled)
                return;
        }
        doc->setUndoRedoEnabled(true);
        doc->moveToThread(home);
        m_result = std::move(doc);
        // Dropped with the builder when it is gone before the call arrives.
        QMetaObject::invokeMethod(
            this,
            [this, build] {
                if (build == m_build && isBuilding())
                    emit ready();
            },
            Qt::QueuedConnection);
    });
}

std::unique_ptr<QTextDocument> DocumentBuilder::take()
{
    if (!m_thread.joinable())
        return nullptr;
    m_thread.join();
    return std::move(m_result);
}

void DocumentBuilder::cancel()
{
    if (!m_thread.joinable())
        return;
    m_cancelled = true;
    m_thread.join();
    m_result.reset();
}
