#include "bars/cbuttonlookdlg.h"

#include "resources/strings.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CButtonLookDlg::CButtonLookDlg(const BarButton &button, QWidget *parent)
    : QDialog(parent)
    , m_button(button)
{
    setObjectName(QStringLiteral("buttonLookDialog"));
    setWindowTitle(Str::text(Str::LookTitle));
    auto *layout = new QVBoxLayout(this);
    const int texts[3] = {Str::ButtonImage, Str::ButtonText, Str::ButtonImageAndText};
    for (int i = 0; i < 3; ++i) {
        m_looks[i] = new QRadioButton(Str::text(texts[i]), this);
        m_looks[i]->setObjectName(QStringLiteral("look%1").arg(i));
        m_looks[i]->setChecked(int(button.style) == i);
        layout->addWidget(m_looks[i]);
    }
    auto *label = new QLabel(Str::text(Str::LookCaption), this);
    m_text = new QLineEdit(button.caption, this);
    m_text->setObjectName(QStringLiteral("lookText"));
    m_text->setMaxLength(BarButtons::MaxCaption);
    label->setBuddy(m_text);
    layout->addWidget(label);
    layout->addWidget(m_text);
    auto *box = new QDialogButtonBox(this);
    box->addButton(Str::text(Str::Ok), QDialogButtonBox::AcceptRole);
    box->addButton(Str::text(Str::Cancel), QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
}

BarButton CButtonLookDlg::result() const
{
    BarButton b = m_button;
    for (int i = 0; i < 3; ++i)
        if (m_looks[i]->isChecked())
            b.style = ButtonStyle(i);
    b.caption = m_text->text().trimmed();
    return b;
}

bool CButtonLookDlg::edit(QWidget *parent, BarButton *button)
{
    CButtonLookDlg dlg(*button, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    *button = dlg.result();
    return true;
}
