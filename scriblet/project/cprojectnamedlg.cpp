#include "project/cprojectnamedlg.h"

#include "project/projectmessages.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CProjectNameDlg::CProjectNameDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CProjectNameDlg"));
    setWindowTitle(QString::fromUtf8(ProjectText::NameDialogTitle));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("ProjectNameEdit"));
    m_edit->setAccessibleName(QString::fromUtf8(ProjectText::NameDialogTitle));
    auto *ok = new QPushButton(QString::fromUtf8(ProjectText::ButtonOk), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QString::fromUtf8(ProjectText::ButtonCancel), this);
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
