// Docking pane base for the log pane and the project pane: a caption, dockable on
// the four sides, floatable, hideable. It tells its content its docking state and
// client size whenever either changes (layoutChanged / onLayoutChanged). Its
// caption carries the buttons "Hide Docked Window" (1047) and "Minimize Docked
// Window" (1048).
#pragma once

#include <QDockWidget>

class CControlBarEx : public QDockWidget
{
    Q_OBJECT
public:
    // id: the pane's command id (also the id of its show/hide command);
    // name: its objectName ("LogBar", "ProjectBar"); titleId: its caption's number
    // in the string table.
    CControlBarEx(int id, const QString &name, int titleId, QWidget *parent = nullptr);

    int paneId() const { return m_id; }
    // Initial size before the user sizes the pane.
    QSize sizeHint() const override { return m_initialSize; }
    void setInitialSize(QSize s) { m_initialSize = s; }

    Qt::DockWidgetArea dockArea() const { return m_area; }
    // Collapsed: only the caption shows (caption button "Minimize Docked Window").
    void setCollapsed(bool on);
    bool isCollapsed() const { return m_collapsed; }

signals:
    void layoutChanged(bool floating, Qt::DockWidgetArea area, QSize clientSize);

protected:
    // Called with the new state; subclasses lay out their content here.
    virtual void onLayoutChanged(bool floating, Qt::DockWidgetArea area, QSize clientSize);
    void resizeEvent(QResizeEvent *e) override;
    // A change of language sets the caption again.
    void changeEvent(QEvent *e) override;

private:
    void notify();
    int m_id;
    int m_titleId;
    QSize m_initialSize{200, 100};
    Qt::DockWidgetArea m_area = Qt::NoDockWidgetArea;
    bool m_collapsed = false;
};
