#include "app/widgetprompter.h"

#include "platform/associations.h"
#include "resources/strings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
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
                    title.isEmpty() ? Str::AppName : title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

Prompter::Answer WidgetPrompter::question(const QString &text, bool withCancel)
{
    prepare();
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    const auto r = QMessageBox::question(m_parent, Str::AppName, text, buttons);
    return r == QMessageBox::Yes ? Answer::Yes : r == QMessageBox::No ? Answer::No : Answer::Cancel;
}

QStringList WidgetPrompter::qtFilters(const QString &filter)
{
    QStringList parts = filter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() || parts[i + 1].isEmpty())
            continue;
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        out << parts[i].trimmed() + QStringLiteral(" (") + patterns + u')';
    }
    return out;
}

QString WidgetPrompter::openFileName(const QString &title, const QString &filter, const QString &dir)
{
    prepare();
    QFileDialog dlg(m_parent, title, dir);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setNameFilters(qtFilters(filter));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().first();
}

QString WidgetPrompter::saveFileName(const QString &title, const QString &filter, const QString &suggested,
                                     const QString &defaultSuffix)
{
    prepare();
    QFileDialog dlg(m_parent, title);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setNameFilters(qtFilters(filter));
    dlg.setDefaultSuffix(defaultSuffix);
    if (!suggested.isEmpty())
        dlg.selectFile(suggested);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().first();
}

int WidgetPrompter::chooseLanguage()
{
    prepare();
    QDialog dlg(m_parent);
    dlg.setObjectName(QStringLiteral("dialog400"));
    dlg.setWindowTitle(Str::AppName);
    auto *layout = new QVBoxLayout(&dlg);
    auto *group = new QGroupBox(Str::ChooseLanguage, &dlg);
    auto *gl = new QVBoxLayout(group);
    auto *buttons = new QButtonGroup(&dlg);
    const QStringList names = {QStringLiteral("Deutsch"), QStringLiteral("English"), QString::fromUtf8("Français")};
    for (int i = 0; i < names.size(); ++i) {
        auto *rb = new QRadioButton(names[i], group);
        rb->setObjectName(QStringLiteral("radio%1").arg(1049 + i));
        rb->setAccessibleName(names[i]);
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
    QMessageBox box(QMessageBox::Information, Str::AppName, Str::InfoText, QMessageBox::Ok, m_parent);
    box.setObjectName(QStringLiteral("dialog401"));
    box.exec();
}

namespace {
QString shellErrorText(const QString &reason) { return Str::HyperlinkFailed + reason; }
} // namespace

void WidgetPrompter::showAbout()
{
    prepare();
    QDialog dlg(m_parent);
    dlg.setObjectName(QStringLiteral("dialog853"));
    dlg.setWindowTitle(QStringLiteral("Info"));
    auto *layout = new QVBoxLayout(&dlg);
    auto *title = new QLabel(QStringLiteral("<b>Scriblet 2.0r</b>"), &dlg);
    layout->addWidget(title);
    const QStringList links = {QStringLiteral("https://www.ctan.org/"), QStringLiteral("https://www.latex-project.org/")};
    const int ids[] = {1046, 1045};
    for (int i = 0; i < links.size(); ++i) {
        auto *l = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(links[i]), &dlg);
        l->setObjectName(QStringLiteral("link%1").arg(ids[i]));
        l->setAccessibleName(links[i]);
        l->setCursor(Qt::PointingHandCursor);
        l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        QObject::connect(l, &QLabel::linkActivated, &dlg, [this, &dlg](const QString &url) {
            QString err;
            if (!Associations::openWithDesktop(url, QString(), &err)) {
                QMessageBox::warning(&dlg, Str::AppName, shellErrorText(err));
            }
        });
        layout->addWidget(l);
    }
    auto *text = new QPlainTextEdit(Str::Licence, &dlg);
    text->setObjectName(QStringLiteral("text1056"));
    text->setAccessibleName(QStringLiteral("Lizenz"));
    text->setReadOnly(true);
    layout->addWidget(text);
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok, &dlg);
    QObject::connect(box, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    layout->addWidget(box);
    dlg.exec();
}

void WidgetPrompter::beep() { QApplication::beep(); }
