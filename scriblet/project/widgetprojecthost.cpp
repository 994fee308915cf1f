#include "project/widgetprojecthost.h"

#include "project/cprojectnamedlg.h"
#include "project/projectpaths.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QString caption() { return QStringLiteral("Scriblet"); }

} // namespace

void WidgetProjectHost::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, caption(), text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool WidgetProjectHost::askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption(), text, QMessageBox::Yes | QMessageBox::No, m_parent);
    return box.exec() == QMessageBox::Yes;
}

QString WidgetProjectHost::getOpenFileName(const QString &title, const QString &filter)
{
    QFileDialog dlg(m_parent, title);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setNameFilters(ProjectPaths::dialogFilters(filter));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().constFirst();
}

QStringList WidgetProjectHost::getOpenFileNames(const QString &title, const QString &filter)
{
    QFileDialog dlg(m_parent, title);
    dlg.setFileMode(QFileDialog::ExistingFiles);
    dlg.setNameFilters(ProjectPaths::dialogFilters(filter));
    if (dlg.exec() != QDialog::Accepted)
        return {};
    return dlg.selectedFiles();
}

QString WidgetProjectHost::getSaveFileName(const QString &title, const QString &filter,
                                           const QString &defaultSuffix, const QString &proposedName)
{
    QFileDialog dlg(m_parent, title);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    dlg.setNameFilters(ProjectPaths::dialogFilters(filter));
    dlg.setDefaultSuffix(defaultSuffix);
    dlg.selectFile(proposedName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().constFirst();
}

bool WidgetProjectHost::askProjectName(QString *name)
{
    CProjectNameDlg dlg(m_parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    *name = dlg.name();
    return true;
}

bool WidgetProjectHost::openDocument(const QString &path, int line, const QString &searchText, const QString &command)
{
    return onOpenDocument ? onOpenDocument(path, line, searchText, command) : false;
}

void WidgetProjectHost::setMainDocument(const QString &maintex, const QString &mainpath)
{
    if (onSetMainDocument)
        onSetMainDocument(maintex, mainpath);
}

void WidgetProjectHost::clearMainDocument()
{
    if (onClearMainDocument)
        onClearMainDocument();
}

void WidgetProjectHost::setMainDocumentStatus(const QString &text)
{
    if (onMainDocumentStatus)
        onMainDocumentStatus(text);
}

void WidgetProjectHost::raiseNeedsTexRun()
{
    if (onNeedsTexRun)
        onNeedsTexRun();
}

QStringList WidgetProjectHost::umlautReplacements() const
{
    if (umlauts)
        return umlauts();
    return {QStringLiteral("\"a"), QStringLiteral("\"A"), QStringLiteral("\"o"), QStringLiteral("\"O"),
            QStringLiteral("\"u"), QStringLiteral("\"U"), QStringLiteral("\"s")};
}
