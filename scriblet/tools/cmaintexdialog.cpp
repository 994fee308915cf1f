#include "tools/cmaintexdialog.h"

#include "common/commandids.h"
#include "common/prompter.h"
#include "resources/okcancelbox.h"
#include "resources/strings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CMainTexDialog::CMainTexDialog(const QString &maintex, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("MainTexDialog%1").arg(Cmd::MainDocumentDialog));
    setWindowTitle(Str::text(Str::MainDocumentTitle));

    m_edit = new QLineEdit(maintex, this);
    m_edit->setObjectName(QStringLiteral("MainTexEdit"));
    m_edit->setAccessibleName(Str::text(Str::MainDocumentTitle));
    auto *hint = new QLabel(Str::text(Str::MainTexHint), this);
    hint->setObjectName(QStringLiteral("HintLabel"));
    hint->setBuddy(m_edit);

    auto *browseBtn = new QPushButton(Str::text(Str::Browse), this);
    browseBtn->setObjectName(QStringLiteral("BrowseBtn"));
    browseBtn->setAccessibleName(Str::text(Str::BrowseName));
    auto *clearBtn = new QPushButton(Str::text(Str::Clear), this);
    clearBtn->setObjectName(QStringLiteral("ClearBtn"));
    clearBtn->setAccessibleName(Str::text(Str::Clear));

    QDialogButtonBox *buttons = okCancelBox(this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_edit, 0, 0);
    grid->addWidget(browseBtn, 0, 1);
    grid->addWidget(hint, 1, 0);
    grid->addWidget(clearBtn, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);

    connect(browseBtn, &QPushButton::clicked, this, &CMainTexDialog::browse);
    connect(clearBtn, &QPushButton::clicked, m_edit, &QLineEdit::clear);
}

void CMainTexDialog::browse()
{
    const QString file = m_prompter.openFileName(Str::text(Str::MainDocumentTitle), Str::text(Str::TexFilter));
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    const QFileInfo info(file);
    m_edit->setText(info.fileName());
    m_browsedDir = info.absolutePath();
}

QString CMainTexDialog::mainTex() const
{
    return m_edit->text();
}

QString CMainTexDialog::mainPath() const
{
    return m_browsedDir.isEmpty() ? QDir::currentPath() : m_browsedDir;
}
