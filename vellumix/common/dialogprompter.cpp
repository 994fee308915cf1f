#include "common/dialogprompter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

QString appTitle() { return QStringLiteral("Vellumix"); }

QString withDefaultExtension(const QString &name, const QString &ext)
{
    if (name.isEmpty() || ext.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + QLatin1Char('.') + ext;
}

} // namespace

QStringList DialogPrompter::nameFilters(const QString &filters)
{
    QStringList out;
    const QStringList parts = filters.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        const int paren = description.indexOf(QLatin1Char('('));
        if (paren >= 0)
            description = description.left(paren);
        QStringList patterns;
        for (QString p : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            p = p.trimmed();
            patterns.append(p == QStringLiteral("*.*") ? QStringLiteral("*") : p);
        }
        out.append(description.trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return out;
}

Prompter::Answer DialogPrompter::askYesNoCancel(const QString &text)
{
    switch (QMessageBox::question(m_parent, appTitle(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

Prompter::Answer DialogPrompter::askRetryCancel(const QString &text)
{
    const auto b = QMessageBox::warning(m_parent, appTitle(), text, QMessageBox::Cancel | QMessageBox::Retry,
                                        QMessageBox::Cancel);
    return b == QMessageBox::Retry ? Answer::Retry : Answer::Cancel;
}

void DialogPrompter::showError(const QString &text) { QMessageBox::critical(m_parent, appTitle(), text); }
void DialogPrompter::showWarning(const QString &text) { QMessageBox::warning(m_parent, appTitle(), text); }
void DialogPrompter::showInformation(const QString &text) { QMessageBox::information(m_parent, appTitle(), text); }

QString DialogPrompter::chooseOpenFile(const QString &title, const QString &filters, const QString &defaultExt,
                                       int *filterIndex)
{
    QFileDialog dialog(m_parent, title);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultExt);
    const QStringList names = nameFilters(filters);
    dialog.setNameFilters(names);
    if (filterIndex && *filterIndex >= 1 && *filterIndex <= names.size())
        dialog.selectNameFilter(names.at(*filterIndex - 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (filterIndex)
        *filterIndex = int(names.indexOf(dialog.selectedNameFilter())) + 1;
    return withDefaultExtension(dialog.selectedFiles().first(), defaultExt);
}

QString DialogPrompter::chooseSaveFile(const QString &title, const QString &filters, const QString &defaultExt,
                                       const QString &initialName, int *filterIndex)
{
    QFileDialog dialog(m_parent, title);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultExt);
    const QStringList names = nameFilters(filters);
    dialog.setNameFilters(names);
    if (filterIndex && *filterIndex >= 1 && *filterIndex <= names.size())
        dialog.selectNameFilter(names.at(*filterIndex - 1));
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (filterIndex)
        *filterIndex = int(names.indexOf(dialog.selectedNameFilter())) + 1;
    return dialog.selectedFiles().first();
}
