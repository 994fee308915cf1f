#include "editor/tfinddialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFindDialog::TFindDialog(Mode mode, QWidget *parent) : QDialog(parent), m_mode(mode)
{
    const bool replace = mode == Mode::Replace;
    setObjectName(replace ? QStringLiteral("ReplaceDialog1") : QStringLiteral("FindDialog1"));
    setWindowTitle(replace ? QStringLiteral("Replace") : QStringLiteral("Find"));
    setModal(false);

    auto *form = new QFormLayout;
    m_findText = new QLineEdit(this);
    m_findText->setObjectName(QStringLiteral("FindText"));
    m_findText->setAccessibleName(QStringLiteral("Find what"));
    form->addRow(QStringLiteral("Fi&nd what:"), m_findText);
    if (replace) {
        m_replaceText = new QLineEdit(this);
        m_replaceText->setObjectName(QStringLiteral("ReplaceText"));
        m_replaceText->setAccessibleName(QStringLiteral("Replace with"));
        form->addRow(QStringLiteral("Re&place with:"), m_replaceText);
    }
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    m_matchCase->setObjectName(QStringLiteral("MatchCase"));
    m_matchCase->setAccessibleName(QStringLiteral("Match case"));
    m_wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    m_wholeWord->setObjectName(QStringLiteral("WholeWord"));
    m_wholeWord->setAccessibleName(QStringLiteral("Match whole word only"));

    auto *buttons = new QVBoxLayout;
    auto addButton = [&](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        buttons->addWidget(b);
        return b;
    };
    QPushButton *next = addButton("FindNextBtn", QStringLiteral("&Find Next"));
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &TFindDialog::findNextRequested);
    if (replace) {
        connect(addButton("ReplaceBtn", QStringLiteral("&Replace")), &QPushButton::clicked, this,
                &TFindDialog::replaceRequested);
        connect(addButton("ReplaceAllBtn", QStringLiteral("Replace &All")), &QPushButton::clicked, this,
                &TFindDialog::replaceAllRequested);
    }
    connect(addButton("CancelBtn", QStringLiteral("Cancel")), &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch();

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(m_matchCase);
    left->addWidget(m_wholeWord);
    left->addStretch();
    auto *top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttons);
}

FindOptions TFindDialog::options() const
{
    FindOptions o;
    o.text = m_findText->text();
    o.replaceText = m_replaceText ? m_replaceText->text() : QString();
    o.matchCase = m_matchCase->isChecked();
    o.wholeWord = m_wholeWord->isChecked();
    return o;
}

void TFindDialog::setFindText(const QString &text) { m_findText->setText(text); }
