#include "templates/ttemplatedialog.h"

#include "common/namedbutton.h"
#include "templates/tedittemplatedialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
constexpr char CaptionText[] = "Define Templates";
}

TTemplateDialog::TTemplateDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TemplateDialog"));
    setWindowTitle(QLatin1String(CaptionText));
    setAccessibleName(QLatin1String(CaptionText));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("TemplateList"));
    m_list->setAccessibleName(QStringLiteral("Templates"));
    m_editDialog = new TEditTemplateDialog(this);

    auto *ok = namedButton(QStringLiteral("OK"), "OKBtn", this);
    ok->setDefault(true);
    auto *cancel = namedButton(QStringLiteral("Cancel"), "CancelBtn", this);
    m_edit = namedButton(QStringLiteral("Edit..."), "EditBtn", this);
    auto *add = namedButton(QStringLiteral("New..."), "NewBtn", this);
    m_remove = namedButton(QStringLiteral("Remove"), "RemoveBtn", this);
    auto *up = namedButton(QStringLiteral("Move up"), "MoveUpBtn", this);
    auto *down = namedButton(QStringLiteral("Move down"), "MoveDownBtn", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &TTemplateDialog::reject);
    connect(m_edit, &QPushButton::clicked, this, &TTemplateDialog::editSelected);
    connect(add, &QPushButton::clicked, this, &TTemplateDialog::addNew);
    connect(m_remove, &QPushButton::clicked, this, &TTemplateDialog::removeSelected);
    connect(up, &QPushButton::clicked, this, &TTemplateDialog::moveUp);
    connect(down, &QPushButton::clicked, this, &TTemplateDialog::moveDown);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TTemplateDialog::editSelected);
    connect(m_list, &QListWidget::currentRowChanged, this, &TTemplateDialog::updateButtons);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {ok, cancel, m_edit, add, m_remove, up, down})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(420, 300);
    updateButtons();
}

void TTemplateDialog::setTemplates(const UserTemplates &templates)
{
    m_templates = templates;
    fillList(m_templates.isEmpty() ? -1 : 0);
}

bool TTemplateDialog::editTemplates() { return exec() == QDialog::Accepted; }

int TTemplateDialog::selectedIndex() const
{
    const int row = m_list->currentRow();
    return row >= 0 && m_list->item(row)->isSelected() ? row : -1;
}

void TTemplateDialog::showEvent(QShowEvent *event)
{
    // Opening: the copy that Cancel goes back to, and the first entry selected.
    if (!event->spontaneous()) {
        m_copy = m_templates;
        fillList(m_templates.isEmpty() ? -1 : 0);
    }
    QDialog::showEvent(event);
}

void TTemplateDialog::reject()
{
    m_templates = m_copy;
    fillList(m_templates.isEmpty() ? -1 : 0);
    QDialog::reject();
}

void TTemplateDialog::fillList(int select)
{
    m_list->clear();
    m_list->addItems(m_templates.names());
    if (select >= 0 && select < m_list->count())
        m_list->setCurrentRow(select);
    else
        m_list->setCurrentRow(-1);
    updateButtons();
}

void TTemplateDialog::updateButtons()
{
    const bool selected = selectedIndex() >= 0;
    m_edit->setEnabled(selected);
    m_remove->setEnabled(selected);
}

void TTemplateDialog::editSelected()
{
    const int index = selectedIndex();
    if (index < 0)
        return;
    UserTemplate t = m_templates.at(index);
    if (!m_editDialog->edit(t))
        return;
    m_templates.replace(index, t);
    fillList(index);
}

void TTemplateDialog::addNew()
{
    UserTemplate t;
    if (!m_editDialog->edit(t))
        return;
    m_templates.append(t);
    fillList(m_templates.size() - 1);
}

void TTemplateDialog::removeSelected()
{
    fillList(m_templates.remove(selectedIndex()));
}

void TTemplateDialog::moveUp()
{
    const int index = selectedIndex();
    if (m_templates.moveUp(index))
        fillList(index - 1);
}

void TTemplateDialog::moveDown()
{
    const int index = selectedIndex();
    if (m_templates.moveDown(index))
        fillList(index + 1);
}
