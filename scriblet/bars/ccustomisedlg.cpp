#include "bars/ccustomisedlg.h"

#include "bars/ccustomtoolbar.h"
#include "resources/strings.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr int IdRole = Qt::UserRole;
constexpr int CategoryRole = Qt::UserRole + 1;

// The command list hands out its entries as new buttons for a bar; they are
// copied, never moved, so the list keeps them.
class CommandList : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    QStringList mimeTypes() const override { return {QString::fromLatin1(CCustomToolBar::MimeType)}; }
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override
    {
        if (items.isEmpty())
            return nullptr;
        const BarButton b{items.first()->data(IdRole).toInt(), ButtonStyle::Image, false, QString()};
        return CCustomToolBar::mimeData(0, -1, b);
    }
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
};

} // namespace

CCustomiseDlg::CCustomiseDlg(QList<CatalogueCategory> catalogue, LookFn look, QWidget *parent)
    : QDialog(parent)
    , m_catalogue(std::move(catalogue))
    , m_look(std::move(look))
{
    setObjectName(QStringLiteral("customiseDialog"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *grid = new QGridLayout(this);
    auto *catLabel = m_categoriesLabel = new QLabel(this);
    auto *cmdLabel = m_commandsLabel = new QLabel(this);
    m_categories = new QListWidget(this);
    m_categories->setObjectName(QStringLiteral("categories"));
    auto *commands = new CommandList(this);
    m_commands = commands;
    m_commands->setObjectName(QStringLiteral("commands"));
    m_commands->setDragEnabled(true);
    m_commands->setDragDropMode(QAbstractItemView::DragOnly);
    m_commands->setDefaultDropAction(Qt::CopyAction);
    m_commands->setIconSize(QSize(16, 15));
    catLabel->setBuddy(m_categories);
    cmdLabel->setBuddy(m_commands);
    for (const CatalogueCategory &c : m_catalogue)
        m_categories->addItem(c.name);
    auto *hint = m_hint = new QLabel(this);
    hint->setWordWrap(true);
    auto *box = new QDialogButtonBox(this);
    QPushButton *close = m_close = box->addButton(QString(), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(catLabel, 0, 0);
    grid->addWidget(cmdLabel, 0, 1);
    grid->addWidget(m_categories, 1, 0);
    grid->addWidget(m_commands, 1, 1);
    grid->addWidget(hint, 2, 0, 1, 2);
    grid->addWidget(box, 3, 0, 1, 2);
    connect(m_categories, &QListWidget::currentRowChanged, this, &CCustomiseDlg::showCategory);
    m_categories->setCurrentRow(0);
    retranslate();
}

void CCustomiseDlg::retranslate()
{
    setWindowTitle(Str::text(Str::CustomiseTitle));
    m_categoriesLabel->setText(Str::text(Str::CustomiseCategories));
    m_commandsLabel->setText(Str::text(Str::CustomiseCommands));
    m_hint->setText(Str::text(Str::CustomiseHint));
    m_close->setText(Str::text(Str::CustomiseClose));
}

void CCustomiseDlg::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        emit languageChanged();
    }
}

void CCustomiseDlg::setCatalogue(QList<CatalogueCategory> catalogue)
{
    const int shown = m_categories->currentRow();
    m_catalogue = std::move(catalogue);
    const QSignalBlocker block(m_categories);
    m_categories->clear();
    for (const CatalogueCategory &c : m_catalogue)
        m_categories->addItem(c.name);
    m_categories->setCurrentRow(std::clamp(shown, 0, int(m_catalogue.size()) - 1));
    showCategory(m_categories->currentRow());
}

void CCustomiseDlg::showCategory(int index)
{
    m_commands->clear();
    if (index < 0 || index >= m_catalogue.size())
        return;
    for (const CatalogueEntry &e : m_catalogue.at(index).entries) {
        const Look look = m_look ? m_look(e) : Look{QIcon(), e.caption};
        auto *item = new QListWidgetItem(look.icon, look.text, m_commands);
        item->setData(IdRole, e.id);
        item->setData(CategoryRole, index);
    }
}
