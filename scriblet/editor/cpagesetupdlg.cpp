#include "editor/cpagesetupdlg.h"

#include "resources/okcancelbox.h"
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
    outer->addWidget(okCancelBox(this));
}

QString CPageSetupDlg::header() const { return m_header->text(); }
QString CPageSetupDlg::footer() const { return m_footer->text(); }
