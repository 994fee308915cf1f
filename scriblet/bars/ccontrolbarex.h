// Docking pane base for the log pane and the project pane: a caption, dockable on
// the four sides, floatable, hideable. It tells its content its docking state and
// client size whenever either changes (layoutChanged / onLayoutChanged).
#pragma once

#include <QDockWidget>

class CControlBarEx : public QDockWidget
{
    Q_OBJECT
public:
    // id: the pane's command id (also the id of its show/hide command);
    // name: the pane's title and objectName ("LogBar", "ProjectBar").
    CControlBarEx(int id, const QString &name, QWidget *parent = nullptr);

    int paneId() const { return m_id; }
    // Initial size before the user sizes the pane.
    QSize sizeHint() const override { return m_initialSize; }
    void setInitialSize(QSize s) { m_initialSize = s; }

    Qt::DockWidgetArea dockArea() const { return m_area; }

signals:
    void layoutChanged(bool floating, Qt::DockWidgetArea area, QSize clientSize);

protected:
    // Called with the new state; subclasses lay out their content here.
    virtual void onLayoutChanged(bool floating, Qt::DockWidgetArea area, QSize clientSize);
    void resizeEvent(QResizeEvent *e) override;

private:
    void notify();
    int m_id;
    QSize m_initialSize{200, 100};
    Qt::DockWidgetArea m_area = Qt::NoDockWidgetArea;
};
