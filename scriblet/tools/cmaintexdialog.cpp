#include "tools/cmaintexdialog.h"

#include "platform/paths.h"
#include "tools/filechooser.h"
#include "tools/toolcommandids.h"
#include "tools/toolstrings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CMainTexDialog::CMainTexDialog(const QString &maintex, FileChooser &chooser, QWidget *parent)
    : QDialog(parent)
    , m_chooser(chooser)
{
    setObjectName(QStringLiteral("MainTexDialog%1").arg(ToolCommandIds::MainDocumentDialog));
    setWindowTitle(QStringLiteral("Haupt-TeX-Dokument"));

    m_edit = new QLineEdit(maintex, this);
    m_edit->setObjectName(QStringLiteral("MainTexEdit"));
    m_edit->setAccessibleName(QStringLiteral("Haupt-TeX-Dokument"));
    auto *hint = new QLabel(QString::fromUtf8("Für das aktuelle Dokument: die Zeile frei lassen !"), this);
    hint->setObjectName(QStringLiteral("HintLabel"));
    hint->setBuddy(m_edit);

    auto *browseBtn = new QPushButton(QStringLiteral("&Durchsuchen..."), this);
    browseBtn->setObjectName(QStringLiteral("BrowseBtn"));
    browseBtn->setAccessibleName(QStringLiteral("Durchsuchen..."));
    auto *clearBtn = new QPushButton(QString::fromUtf8("Löschen"), this);
    clearBtn->setObjectName(QStringLiteral("ClearBtn"));
    clearBtn->setAccessibleName(QString::fromUtf8("Löschen"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAccessibleName(QStringLiteral("Abbrechen"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_edit, 0, 0);
    grid->addWidget(browseBtn, 0, 1);
    grid->addWidget(hint, 1, 0);
    grid->addWidget(clearBtn, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);

    connect(browseBtn, &QPushButton::clicked, this, &CMainTexDialog::browse);
    connect(clearBtn, &QPushButton::clicked, m_edit, &QLineEdit::clear);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CMainTexDialog::browse()
{
    const QString file = m_chooser.openFile(this, ToolStrings::MainDocumentTitle.str(),
                                            ToolStrings::MainDocumentFilter.str());
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
