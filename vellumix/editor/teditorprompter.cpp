#include "editor/teditorprompter.h"

#include "editor/editormessages.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

void TEditorPrompter::information(const QString &text)
{
    QMessageBox::information(m_parent, QStringLiteral("Information"), text);
}

void TEditorPrompter::warning(const QString &text) { QMessageBox::warning(m_parent, QStringLiteral("Warning"), text); }

void TEditorPrompter::error(const QString &text) { QMessageBox::critical(m_parent, QStringLiteral("Error"), text); }

EditorPrompter::Answer TEditorPrompter::askSave(const QString &text)
{
    const auto b = QMessageBox::question(m_parent, QStringLiteral("Confirm"), text,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    return b == QMessageBox::Yes ? Answer::Yes : b == QMessageBox::No ? Answer::No : Answer::Cancel;
}

QString TEditorPrompter::saveFileName(const QString &current, int *filterIndex)
{
    const QStringList filters{QStringLiteral("TeX Files (*.tex)"), QStringLiteral("DOS OEM Text Format (*.tex)")};
    QFileDialog dlg(m_parent, QStringLiteral("Save As"), current);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setNameFilters(filters);
    dlg.setDefaultSuffix(QString());
    if (!current.isEmpty())
        dlg.selectFile(current);
    const int start = filterIndex ? qBound(1, *filterIndex, 2) : 1;
    dlg.selectNameFilter(filters.at(start - 1));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    if (filterIndex)
        *filterIndex = int(filters.indexOf(dlg.selectedNameFilter())) + 1;
    return dlg.selectedFiles().constFirst();
}

bool TEditorPrompter::askLine(QString *answer)
{
    bool ok = false;
    *answer = QInputDialog::getText(m_parent, EditorMessages::GoToLineCaption, EditorMessages::GoToLinePrompt,
                                    QLineEdit::Normal, QString(), &ok);
    return ok;
}
