#include "common/dialogprompter.h"

#include "platform/filedialogfilter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString appTitle() { return QStringLiteral("Vellumix"); }

// A file chosen to open is taken as it is ("README" stays "README"); only a typed
// name that names no file falls back to the default extension.
QString existingOrWithExtension(const QString &name, const QString &ext)
{
    if (name.isEmpty() || ext.isEmpty() || QFileInfo::exists(name) || !QFileInfo(name).suffix().isEmpty())
        return name;
    const QString withExt = name + QLatin1Char('.') + ext;
    return QFileInfo::exists(withExt) ? withExt : name;
}

// Runs a file dialog with the filters; the 1-based index goes in and comes out.
QString runFileDialog(QFileDialog &dialog, const QString &filters, const QString &defaultExt, int *filterIndex,
                      const QString &initialName = QString())
{
    // An open dialog gets no default suffix: it would turn an existing "README" into
    // "README.tex" and then refuse it as missing.
    if (dialog.acceptMode() == QFileDialog::AcceptSave)
        dialog.setDefaultSuffix(defaultExt);
    const QStringList names = FileDialogFilter::toQtList(filters);
    dialog.setNameFilters(names);
    if (filterIndex && *filterIndex >= 1 && *filterIndex <= names.size())
        dialog.selectNameFilter(names.at(*filterIndex - 1));
    if (!initialName.isEmpty())
        dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (filterIndex)
        *filterIndex = int(names.indexOf(dialog.selectedNameFilter())) + 1;
    return dialog.selectedFiles().constFirst();
}

} // namespace

Prompter::Answer DialogPrompter::askYesNoCancel(const QString &text)
{
    switch (QMessageBox::question(m_parent, appTitle(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

Prompter::Answer DialogPrompter::askRestore(const QString &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Recover Unsaved Text"), text, QMessageBox::NoButton, m_parent);
    QPushButton *restore = box.addButton(QStringLiteral("&Restore"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
    QPushButton *later = box.addButton(QStringLiteral("Decide &Later"), QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore)
        return Answer::Yes;
    if (box.clickedButton() == discard)
        return Answer::No;
    return Answer::Cancel;
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

bool DialogPrompter::askText(const QString &caption, const QString &label, QString *answer)
{
    bool ok = false;
    *answer = QInputDialog::getText(m_parent, caption, label, QLineEdit::Normal, QString(), &ok);
    return ok;
}

QString DialogPrompter::chooseOpenFile(const QString &title, const QString &filters, const QString &defaultExt,
                                       int *filterIndex)
{
    QFileDialog dialog(m_parent, title);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return existingOrWithExtension(runFileDialog(dialog, filters, defaultExt, filterIndex), defaultExt);
}

QString DialogPrompter::chooseSaveFile(const QString &title, const QString &filters, const QString &defaultExt,
                                       const QString &initialName, int *filterIndex)
{
    QFileDialog dialog(m_parent, title);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return runFileDialog(dialog, filters, defaultExt, filterIndex, initialName);
}
