// "User Templates": a small resizable tool window that stays on top, with one
// clickable row per user template, stacked from the top and as wide as the window.
// The rows are rebuilt each time the window is shown and after the template dialog's
// OK (rebuild()). A click on a row inserts that template; a click on the background
// gives the focus back to the window.
#pragma once

#include <QList>
#include <QWidget>

class QScrollArea;
class TemplateRowButton;
class ToolboxHost;

class TUserTemplatesDialog : public QWidget
{
    Q_OBJECT
public:
    explicit TUserTemplatesDialog(ToolboxHost &host, QWidget *parent = nullptr);

    const QList<TemplateRowButton *> &rows() const { return m_rows; }
    int rowHeight() const;
    void rebuild();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layoutRows();

    ToolboxHost &m_host;
    QScrollArea *m_scroll;
    QWidget *m_background;
    QList<TemplateRowButton *> m_rows;
};
