#include "toolboxes/tusertemplatesdialog.h"

#include "toolboxes/templaterowbutton.h"
#include "toolboxes/templaterows.h"
#include "toolboxes/toolboxhost.h"

#include <QEvent>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
constexpr char CaptionText[] = "User Templates";
}

TUserTemplatesDialog::TUserTemplatesDialog(ToolboxHost &host, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_host(host)
{
    setObjectName(QStringLiteral("UserTemplatesDialog"));
    setWindowTitle(QLatin1String(CaptionText));
    setAccessibleName(QLatin1String(CaptionText));
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setMinimumSize(60, 30);

    // More rows than fit can be scrolled to; the rows are as wide as the window.
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("TemplateRows"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidgetResizable(true);
    m_background = new QWidget;
    m_background->setObjectName(QStringLiteral("TemplateRowsBackground"));
    m_background->installEventFilter(this);
    m_scroll->setWidget(m_background);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
}

int TUserTemplatesDialog::rowHeight() const
{
    return TemplateRows::rowHeight(fontMetrics().boundingRect(QStringLiteral("gÄ")).height());
}

void TUserTemplatesDialog::rebuild()
{
    qDeleteAll(m_rows);
    m_rows.clear();
    const QStringList names = m_host.userTemplateNames();
    const QFontMetricsF fm(font());
    auto width = [&fm](const QString &text) { return fm.horizontalAdvance(text); };
    for (int k = 0; k < names.size(); ++k) {
        auto *row = new TemplateRowButton(TemplateRows::caption(k, names.at(k)), TemplateRows::leftMargin(k, width),
                                          m_background);
        row->setObjectName(QStringLiteral("TemplateRow%1").arg(k));
        connect(row, &TemplateRowButton::clicked, this, [this, k] { m_host.insertUserTemplate(k); });
        row->show();
        m_rows.append(row);
    }
    m_background->setMinimumHeight(int(m_rows.size()) * rowHeight());
    layoutRows();
}

void TUserTemplatesDialog::layoutRows()
{
    const int h = rowHeight();
    const int w = m_background->width();
    for (int k = 0; k < m_rows.size(); ++k)
        m_rows.at(k)->setGeometry(0, k * h, w, h);
}

void TUserTemplatesDialog::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        rebuild();
    QWidget::showEvent(event);
}

bool TUserTemplatesDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_background) {
        if (event->type() == QEvent::Resize)
            layoutRows();
        else if (event->type() == QEvent::MouseButtonPress)
            m_host.focusFrame();
    }
    return QWidget::eventFilter(watched, event);
}
