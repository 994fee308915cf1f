#include "bars/ccontrolbarex.h"

#include "common/commandids.h"
#include "resources/strings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QStyle>
#include <QToolButton>

namespace {

// Caption of a docked pane: its title and the hide and minimize buttons. Mouse
// presses on the title fall through to the dock widget (drag, double-click float).
class PaneCaption : public QWidget
{
public:
    PaneCaption(CControlBarEx *bar)
        : QWidget(bar)
    {
        auto *l = new QHBoxLayout(this);
        l->setContentsMargins(4, 1, 1, 1);
        l->setSpacing(1);
        auto *title = new QLabel(bar->windowTitle(), this);
        QObject::connect(bar, &QWidget::windowTitleChanged, title, &QLabel::setText);
        l->addWidget(title, 1);
        auto button = [&](int id, int tipId, QStyle::StandardPixmap icon) {
            auto *b = new QToolButton(this);
            b->setObjectName(QStringLiteral("btn%1").arg(id));
            b->setProperty("tipId", tipId);
            b->setAutoRaise(true);
            b->setIcon(style()->standardIcon(icon));
            b->setIconSize(QSize(10, 10));
            l->addWidget(b);
            return b;
        };
        QObject::connect(button(Cmd::PaneMinimizeButton, Str::PaneMinimize, QStyle::SP_TitleBarMinButton),
                         &QToolButton::clicked, bar, [bar] { bar->setCollapsed(!bar->isCollapsed()); });
        QObject::connect(button(Cmd::PaneHideButton, Str::PaneHide, QStyle::SP_TitleBarCloseButton),
                         &QToolButton::clicked, bar, &QWidget::hide);
        retranslate();
    }

protected:
    void changeEvent(QEvent *e) override
    {
        QWidget::changeEvent(e);
        if (e->type() == QEvent::LanguageChange)
            retranslate();
    }

private:
    void retranslate()
    {
        for (QToolButton *b : findChildren<QToolButton *>()) {
            const QString tip = Str::text(b->property("tipId").toInt());
            b->setToolTip(tip);
            b->setAccessibleName(tip);
        }
    }
};

} // namespace

CControlBarEx::CControlBarEx(int id, const QString &name, int titleId, QWidget *parent)
    : QDockWidget(Str::text(titleId), parent)
    , m_id(id)
    , m_titleId(titleId)
{
    setObjectName(name);
    setAccessibleName(windowTitle());
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setTitleBarWidget(new PaneCaption(this));
    toggleViewAction()->setObjectName(QStringLiteral("cmd%1").arg(id));
    connect(this, &QDockWidget::dockLocationChanged, this, [this](Qt::DockWidgetArea a) {
        m_area = a;
        notify();
    });
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool) { notify(); });
}

void CControlBarEx::setCollapsed(bool on)
{
    m_collapsed = on;
    if (widget())
        widget()->setVisible(!on);
    notify();
}

void CControlBarEx::onLayoutChanged(bool, Qt::DockWidgetArea, QSize) {}

void CControlBarEx::changeEvent(QEvent *e)
{
    QDockWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        setWindowTitle(Str::text(m_titleId));
        setAccessibleName(windowTitle());
    }
}

void CControlBarEx::resizeEvent(QResizeEvent *e)
{
    QDockWidget::resizeEvent(e);
    notify();
}

void CControlBarEx::notify()
{
    const QSize client = widget() && widget()->isVisible() ? widget()->size() : QSize(0, 0);
    onLayoutChanged(isFloating(), m_area, client);
    emit layoutChanged(isFloating(), m_area, client);
}
