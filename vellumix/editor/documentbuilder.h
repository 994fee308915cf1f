// Builds the text document of a large file on a worker thread, so that the window's
// thread only swaps the finished document into the text widget. Splitting 20 MB into
// lines and giving each line its (empty) layout object takes seconds; the swap then
// takes milliseconds. The new document has no undo history and the defaults (font,
// text options, margin) of the document it is to replace.
//
// A builder builds one document at a time. ready() says that take() no longer
// waits; destroying the builder (or cancel()) stops the worker and drops its work.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <thread>

class QTextDocument;

class DocumentBuilder : public QObject {
    Q_OBJECT
public:
    explicit DocumentBuilder(QObject *parent = nullptr);
    ~DocumentBuilder() override;

    // Starts building a document that holds text ('\n' between lines), with the
    // defaults of model. A build still running is dropped first.
    void start(QString text, const QTextDocument &model);
    // Started, and the document not yet taken.
    bool isBuilding() const { return m_thread.joinable(); }
    // Waits for the document and hands it over: it lives on this thread and has no
    // parent. Null when nothing was being built.
    std::unique_ptr<QTextDocument> take();
    // Stops the worker; its document is dropped.
    void cancel();

signals:
    // The document is built: take() returns at once.
    void ready();

private:
    std::thread m_thread;
    std::atomic<bool> m_cancelled{false};
    // Counts the builds: a ready() call of a dropped build is not passed on.
    int m_build = 0;
    std::unique_ptr<QTextDocument> m_result;
};
