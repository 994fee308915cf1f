#include "templates/tdocumentdialog.h"

#include "common/labelledrow.h"
#include "common/namedbutton.h"
#include "templates/documenttext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>
#include <type_traits>
#include <variant>

namespace {

constexpr char CaptionText[] = "Document Options";

QWidget *makeField(const DocumentField &f, QFormLayout *form, QWidget *page)
{
    const QString label = QLatin1String(f.label);
    QWidget *field = nullptr;
    switch (f.kind) {
    case DocumentField::Kind::List: {
        auto *box = new QComboBox(page);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(f.valueList());
        field = box;
        break;
    }
    case DocumentField::Kind::Check:
        field = new QCheckBox(label, page);
        break;
    case DocumentField::Kind::Text:
        field = new QLineEdit(page);
        break;
    }
    field->setObjectName(QLatin1String(f.name));
    if (f.kind == DocumentField::Kind::Check) {
        field->setAccessibleName(label);
        form->addRow(field);
    } else {
        addLabelledRow(form, label, field);
    }
    return field;
}

} // namespace

TDocumentDialog::TDocumentDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DocumentDialog"));
    setWindowTitle(QLatin1String(CaptionText));
    setAccessibleName(QLatin1String(CaptionText));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl"));
    for (const QString &tab : documentTabs()) {
        auto *page = new QWidget(m_pages);
        page->setObjectName(tab + QStringLiteral("Page"));
        auto *form = new QFormLayout(page);
        for (const DocumentField &f : documentFields())
            if (tab == QLatin1String(f.tab))
                m_fields.insert(QLatin1String(f.name), makeField(f, form, page));
        m_pages->addTab(page, tab);
    }

    auto *ok = namedButton(QStringLiteral("OK"), "OKBtn", this);
    ok->setDefault(true);
    auto *cancel = namedButton(QStringLiteral("Cancel"), "CancelBtn", this);
    connect(ok, &QPushButton::clicked, this, &TDocumentDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    setOptions(DocumentOptions());
}

DocumentOptions TDocumentDialog::options() const
{
    DocumentOptions o;
    for (const DocumentField &f : documentFields()) {
        QWidget *w = m_fields.value(QLatin1String(f.name));
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), bool DocumentOptions::*>)
                    o.*member = static_cast<QCheckBox *>(w)->isChecked();
                else if (auto *box = qobject_cast<QComboBox *>(w))
                    o.*member = box->currentText();
                else
                    o.*member = static_cast<QLineEdit *>(w)->text();
            },
            f.member);
    }
    return o;
}

void TDocumentDialog::setOptions(const DocumentOptions &o)
{
    for (const DocumentField &f : documentFields()) {
        QWidget *w = m_fields.value(QLatin1String(f.name));
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), bool DocumentOptions::*>)
                    static_cast<QCheckBox *>(w)->setChecked(o.*member);
                else if (auto *box = qobject_cast<QComboBox *>(w))
                    box->setCurrentText(o.*member);
                else
                    static_cast<QLineEdit *>(w)->setText(o.*member);
            },
            f.member);
    }
}

bool TDocumentDialog::run() { return exec() == QDialog::Accepted; }

void TDocumentDialog::accept()
{
    const DocumentOptions o = options();
    m_before = DocumentText::before(o);
    m_after = DocumentText::after(o);
    QDialog::accept();
}
