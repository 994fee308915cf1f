// ProjectHost for the running program: message boxes and file dialogs on the
// screen; what belongs to the main frame and the settings object (opening
// documents, the main document, the status bar, needsTexRun, the umlaut
// spellings) goes through the hooks, which the frame sets.
#pragma once

#include "project/projecthost.h"

#include <functional>

class QWidget;

class WidgetProjectHost : public ProjectHost
{
public:
    explicit WidgetProjectHost(QWidget *dialogParent = nullptr) : m_parent(dialogParent) {}
    void setDialogParent(QWidget *parent) { m_parent = parent; }

    void showMessage(const QString &text) override;
    bool askYesNo(const QString &text) override;
    QString getOpenFileName(const QString &title, const QString &filter) override;
    QStringList getOpenFileNames(const QString &title, const QString &filter) override;
    QString getSaveFileName(const QString &title, const QString &filter, const QString &defaultSuffix,
                            const QString &proposedName) override;
    bool askProjectName(QString *name) override;
    bool openDocument(const QString &path, int line, const QString &searchText, const QString &command) override;
    void setMainDocument(const QString &maintex, const QString &mainpath) override;
    void clearMainDocument() override;
    void setMainDocumentStatus(const QString &text) override;
    void raiseNeedsTexRun() override;
    QStringList umlautReplacements() const override;

    std::function<bool(const QString &path, int line, const QString &searchText, const QString &command)> onOpenDocument;
    std::function<void(const QString &maintex, const QString &mainpath)> onSetMainDocument;
    std::function<void()> onClearMainDocument;
    std::function<void(const QString &text)> onMainDocumentStatus;
    std::function<void()> onNeedsTexRun;
    std::function<QStringList()> umlauts;

private:
    QWidget *m_parent;
};
