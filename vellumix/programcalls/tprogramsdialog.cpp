#include "programcalls/tprogramsdialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr char CaptionText[] = "Options for External Programs";

QLineEdit *makeField(const QString &label, const QString &name, QFormLayout *form, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(label);
    auto *lbl = new QLabel(label, parent);
    lbl->setBuddy(edit);
    form->addRow(lbl, edit);
    return edit;
}
} // namespace

TProgramsDialog::TProgramsDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ProgramsDialog"));
    setWindowTitle(QLatin1String(CaptionText));
    setAccessibleName(QLatin1String(CaptionText));
    setMinimumWidth(420);

    auto *form = new QFormLayout;
    m_compile = makeField(QStringLiteral("TeX"), QStringLiteral("TeXEdit"), form, this);
    m_logFile = makeField(QStringLiteral("Logfile"), QStringLiteral("LogfileEdit"), form, this);
    m_preview = makeField(QStringLiteral("DVI Previewer"), QStringLiteral("PreviewEdit"), form, this);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAccessibleName(cancel->text());
    auto *defaults = new QPushButton(QStringLiteral("Set Default"), this);
    defaults->setObjectName(QStringLiteral("DefaultBtn"));
    defaults->setAccessibleName(defaults->text());
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(defaults, &QPushButton::clicked, this, &TProgramsDialog::setDefault);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(defaults);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    setTemplates(ProgramTemplates::defaults());
}

void TProgramsDialog::setTemplates(const ProgramTemplates &templates)
{
    m_compile->setText(templates.compile);
    m_logFile->setText(templates.logFile);
    m_preview->setText(templates.preview);
}

ProgramTemplates TProgramsDialog::templates() const
{
    ProgramTemplates t;
    t.compile = m_compile->text();
    t.logFile = m_logFile->text();
    t.preview = m_preview->text();
    return t;
}

bool TProgramsDialog::edit(ProgramTemplates &templates)
{
    setTemplates(templates);
    if (exec() != QDialog::Accepted)
        return false;
    templates = this->templates();
    return true;
}

void TProgramsDialog::setDefault()
{
    setTemplates(ProgramTemplates::defaults());
}
