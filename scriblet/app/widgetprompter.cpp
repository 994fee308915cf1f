#include "app/widgetprompter.h"

#include "app/caboutdlg.h"
#include "platform/filedialogfilter.h"
#include "project/cprojectnamedlg.h"
#include "resources/strings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

void WidgetPrompter::prepare()
{
    if (beforeModal)
        beforeModal();
}

void WidgetPrompter::message(const QString &text, Icon icon, const QString &title)
{
    prepare();
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information
                    : icon == Icon::Error     ? QMessageBox::Critical
                                              : QMessageBox::Warning,
                    title.isEmpty() ? Str::text(Str::AppName) : title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

Prompter::Answer WidgetPrompter::question(const QString &text, bool withCancel)
{
    prepare();
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    const auto r = QMessageBox::question(m_parent, Str::text(Str::AppName), text, buttons);
    return r == QMessageBox::Yes ? Answer::Yes : r == QMessageBox::No ? Answer::No : Answer::Cancel;
}

QStringList WidgetPrompter::openFiles(const QString &title, const QString &filter, const QString &dir, bool several)
{
    prepare();
    QFileDialog dlg(m_parent, title, dir.isEmpty() ? QDir::currentPath() : dir);
    dlg.setFileMode(several ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dlg.setNameFilters(FileDialogFilter::toQtList(filter));
    if (dlg.exec() != QDialog::Accepted)
        return {};
    return dlg.selectedFiles();
}

QString WidgetPrompter::openFileName(const QString &title, const QString &filter, const QString &dir)
{
    return openFiles(title, filter, dir, false).value(0);
}

QStringList WidgetPrompter::openFileNames(const QString &title, const QString &filter, const QString &dir)
{
    return openFiles(title, filter, dir, true);
}

QString WidgetPrompter::openProgramName(const QString &title, const QString &filter)
{
    prepare();
    QFileDialog dlg(m_parent, title, QDir::currentPath());
    dlg.setFileMode(QFileDialog::ExistingFile);
    // The dialog's own widgets: a desktop's native dialog would not keep to the
    // executable-files filter.
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = FileDialogFilter::toQtList(filter);
    dlg.setNameFilters(filters);
    const QDir::Filters all = dlg.filter();
    auto apply = [&dlg, all, first = filters.value(0)](const QString &chosen) {
        dlg.setFilter(chosen == first ? all | QDir::Executable : all);
    };
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, apply);
    apply(filters.value(0));
    if (dlg.exec() != QDialog::Accepted)
        return QString();
    return dlg.selectedFiles().value(0);
}

QString WidgetPrompter::saveFileName(const QString &title, const QString &filter, const QString &suggested,
                                     const QString &defaultSuffix, Overwrite overwrite)
{
    prepare();
    QFileDialog dlg(m_parent, title);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, overwrite == Overwrite::DontAsk);
    dlg.setNameFilters(FileDialogFilter::toQtList(filter));
    dlg.setDefaultSuffix(defaultSuffix);
    if (!suggested.isEmpty())
        dlg.selectFile(suggested);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().first();
}

bool WidgetPrompter::chooseFont(QFont *font)
{
    prepare();
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, *font, m_parent, Str::text(Str::FontTitle));
    if (ok)
        *font = chosen;
    return ok;
}

bool WidgetPrompter::chooseColour(QColor *colour)
{
    prepare();
    const QColor chosen = QColorDialog::getColor(*colour, m_parent, Str::text(Str::ColourTitle));
    if (!chosen.isValid())
        return false;
    *colour = chosen;
    return true;
}

bool WidgetPrompter::askProjectName(QString *name)
{
    prepare();
    CProjectNameDlg dlg(m_parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    *name = dlg.name();
    return true;
}

int WidgetPrompter::chooseLanguage()
{
    prepare();
    QDialog dlg(m_parent);
    dlg.setObjectName(QStringLiteral("dialog400"));
    dlg.setWindowTitle(Str::text(Str::AppName));
    auto *layout = new QVBoxLayout(&dlg);
    auto *group = new QGroupBox(Str::text(Str::ChooseLanguage), &dlg);
    auto *gl = new QVBoxLayout(group);
    auto *buttons = new QButtonGroup(&dlg);
    const int names[] = {Str::LanguageGerman, Str::LanguageEnglish, Str::LanguageFrench};
    for (int i = 0; i < 3; ++i) {
        auto *rb = new QRadioButton(Str::text(names[i]), group);
        rb->setObjectName(QStringLiteral("radio%1").arg(1049 + i));
        rb->setAccessibleName(Str::text(names[i]));
        buttons->addButton(rb, i);
        gl->addWidget(rb);
    }
    buttons->button(0)->setChecked(true);
    layout->addWidget(group);
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok, &dlg);
    box->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
    QObject::connect(box, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    layout->addWidget(box);
    dlg.exec();
    return std::max(0, buttons->checkedId());
}

void WidgetPrompter::showInformation()
{
    prepare();
    QMessageBox box(QMessageBox::Information, Str::text(Str::AppName), Str::text(Str::InfoText), QMessageBox::Ok,
                    m_parent);
    box.setObjectName(QStringLiteral("dialog401"));
    box.exec();
}

void WidgetPrompter::showAbout()
{
    prepare();
    CAboutDlg dlg(m_parent);
    dlg.exec();
}

void WidgetPrompter::beep() { QApplication::beep(); }
