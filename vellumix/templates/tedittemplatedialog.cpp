#include "templates/tedittemplatedialog.h"

#include "common/labelledrow.h"
#include "common/namedbutton.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

constexpr char CaptionText[] = "Edit Template";

// The fields show '\n'; the templates keep CR LF.
QString toField(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString fromField(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

template<typename Field> Field *addField(const char *label, const char *name, QFormLayout *form, QWidget *parent)
{
    auto *field = new Field(parent);
    field->setObjectName(QLatin1String(name));
    addLabelledRow(form, QLatin1String(label), field);
    return field;
}

} // namespace

TEditTemplateDialog::TEditTemplateDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EditTemplateDialog"));
    setWindowTitle(QLatin1String(CaptionText));
    setAccessibleName(QLatin1String(CaptionText));

    auto *form = new QFormLayout;
    m_name = addField<QLineEdit>("&Name:", "Name", form, this);
    m_part1 = addField<QPlainTextEdit>("Part&1:", "Part1", form, this);
    m_part2 = addField<QPlainTextEdit>("Part&2:", "Part2", form, this);
    for (QPlainTextEdit *part : {m_part1, m_part2}) {
        // Tab moves on, so that every field and button is reached from the keyboard.
        part->setTabChangesFocus(true);
        part->setLineWrapMode(QPlainTextEdit::NoWrap);
        part->setMinimumSize(320, 90);
    }

    auto *ok = namedButton(QStringLiteral("OK"), "OKBtn", this);
    ok->setDefault(true);
    auto *cancel = namedButton(QStringLiteral("Cancel"), "CancelBtn", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void TEditTemplateDialog::setTemplate(const UserTemplate &t)
{
    m_name->setText(t.name);
    m_part1->setPlainText(toField(t.part1));
    m_part2->setPlainText(toField(t.part2));
}

UserTemplate TEditTemplateDialog::editedTemplate() const
{
    return {m_name->text(), fromField(m_part1->toPlainText()), fromField(m_part2->toPlainText())};
}

bool TEditTemplateDialog::edit(UserTemplate &t)
{
    setTemplate(t);
    m_name->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    t = editedTemplate();
    return true;
}
