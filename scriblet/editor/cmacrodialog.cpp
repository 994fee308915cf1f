#include "editor/cmacrodialog.h"

#include "resources/okcancelbox.h"
#include "resources/strings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

CMacroDialog::CMacroDialog(const MacroTable &table, QWidget *parent)
    : QDialog(parent)
    , m_table(table)
{
    setObjectName(QStringLiteral("CMacroDialog"));
    setWindowTitle(Str::text(Str::MacrosBar));
    auto *form = new QFormLayout(this);
    m_key = new QComboBox(this);
    m_key->setObjectName(QStringLiteral("KeyCombo"));
    m_key->setAccessibleName(Str::text(Str::MacroKey));
    for (int i = 1; i <= 12; ++i)
        m_key->addItem(QStringLiteral("F%1").arg(i, 2, 10, QLatin1Char('0')));
    form->addRow(Str::text(Str::MacroKey), m_key);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("NameEdit"));
    m_name->setAccessibleName(Str::text(Str::MacroName));
    form->addRow(Str::text(Str::MacroName), m_name);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("TextEdit"));
    m_text->setAccessibleName(Str::text(Str::MacroText));
    form->addRow(m_text);
    form->addRow(okCancelBox(this));
    connect(m_key, &QComboBox::currentIndexChanged, this, [this](int index) {
        store();
        show(index);
    });
    show(0);
}

void CMacroDialog::store()
{
    if (m_current < 0 || m_current >= 10)
        return;
    m_table.names[m_current] = m_name->text();
    QString text = m_text->toPlainText();
    text.remove(u'\r');
    m_table.texts[m_current] = text;
}

void CMacroDialog::show(int index)
{
    m_current = index;
    const bool exists = index >= 0 && index < 10;
    m_name->setText(exists ? m_table.names[index] : QString());
    m_text->setPlainText(exists ? m_table.texts[index] : QString());
    m_name->setReadOnly(!exists);
    m_text->setReadOnly(!exists);
}

void CMacroDialog::accept()
{
    store();
    QDialog::accept();
}

MacroTable CMacroDialog::table() const { return m_table; }
