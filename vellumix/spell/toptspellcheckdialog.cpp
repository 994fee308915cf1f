#include "spell/toptspellcheckdialog.h"

#include "spell/ispell.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TOptSpellCheckDialog::TOptSpellCheckDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OptSpellCheckDialog"));
    setWindowTitle(QStringLiteral("Spell Checker"));
    setAccessibleName(windowTitle());
    setMinimumWidth(420);

    m_command = new QComboBox(this);
    m_command->setObjectName(QStringLiteral("IspellCommand"));
    m_command->setEditable(true);
    m_command->setInsertPolicy(QComboBox::NoInsert);
    m_command->addItems(Ispell::suggestedCommands());
    auto *label = new QLabel(QStringLiteral("Ispell Command"), this);
    label->setBuddy(m_command);
    m_command->setAccessibleName(label->text());

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAccessibleName(cancel->text());
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_command);
    layout->addLayout(buttons);
}

void TOptSpellCheckDialog::setCommand(const QString &command) { m_command->setEditText(command); }

QString TOptSpellCheckDialog::command() const { return m_command->currentText(); }

bool TOptSpellCheckDialog::edit(QString &command)
{
    setCommand(command);
    if (exec() != QDialog::Accepted)
        return false;
    command = this->command();
    return true;
}
