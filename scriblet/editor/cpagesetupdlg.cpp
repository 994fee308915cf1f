#include "editor/cpagesetupdlg.h"

#include "resources/strings.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CPageSetupDlg::CPageSetupDlg(const QString &header, const QString &footer, QWidget *parent)
    : QDialog(parent)
    , m_header(new QLineEdit(header, this))
    , m_footer(new QLineEdit(footer, this))
{
    setObjectName(QStringLiteral("CPageSetupDlg"));
    setWindowTitle(Str::text(Str::PageSetupTitle));
    m_header->setObjectName(QStringLiteral("editHeader"));
    m_footer->setObjectName(QStringLiteral("editFooter"));
    auto *outer = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    for (auto [edit, labelId] : {std::pair{m_header, int(Str::PageSetupHeader)}, std::pair{m_footer, int(Str::PageSetupFooter)}}) {
        auto *label = new QLabel(Str::text(labelId), this);
        label->setBuddy(edit);
        edit->setAccessibleName(label->text().remove(QLatin1Char('&')));
        edit->setMinimumWidth(300);
        form->addRow(label, edit);
    }
    outer->addLayout(form);
    auto *box = new QDialogButtonBox(this);
    box->addButton(Str::text(Str::Ok), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("OKBtn"));
    box->addButton(Str::text(Str::Cancel), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelBtn"));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(box);
}

QString CPageSetupDlg::header() const { return m_header->text(); }
QString CPageSetupDlg::footer() const { return m_footer->text(); }
