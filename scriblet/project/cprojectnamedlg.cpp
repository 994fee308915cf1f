#include "project/cprojectnamedlg.h"

#include "resources/strings.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CProjectNameDlg::CProjectNameDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CProjectNameDlg"));
    setWindowTitle(Str::text(Str::ProjectNameTitle));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("ProjectNameEdit"));
    m_edit->setAccessibleName(Str::text(Str::ProjectNameTitle));
    auto *ok = new QPushButton(Str::text(Str::Ok), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(Str::text(Str::Cancel), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
}

QString CProjectNameDlg::name() const
{
    return m_edit->text();
}
