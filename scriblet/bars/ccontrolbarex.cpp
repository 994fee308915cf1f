#include "bars/ccontrolbarex.h"

#include <QResizeEvent>

CControlBarEx::CControlBarEx(int id, const QString &name, QWidget *parent)
    : QDockWidget(name, parent)
    , m_id(id)
{
    setObjectName(name);
    setAccessibleName(name);
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    toggleViewAction()->setObjectName(QStringLiteral("cmd%1").arg(id));
    connect(this, &QDockWidget::dockLocationChanged, this, [this](Qt::DockWidgetArea a) {
        m_area = a;
        notify();
    });
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool) { notify(); });
}

void CControlBarEx::onLayoutChanged(bool, Qt::DockWidgetArea, QSize) {}

void CControlBarEx::resizeEvent(QResizeEvent *e)
{
    QDockWidget::resizeEvent(e);
    notify();
}

void CControlBarEx::notify()
{
    const QSize client = widget() ? widget()->size() : size();
    onLayoutChanged(isFloating(), m_area, client);
    emit layoutChanged(isFloating(), m_area, client);
}
