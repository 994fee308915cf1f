// The log pane: a docking pane that shows the log of the last LaTeX run.
#pragma once

#include <QDockWidget>
#include <QMargins>

class QAction;
class QTextEdit;

class CLogBar : public QDockWidget
{
    Q_OBJECT
public:
    enum class Placement { Floating, TopOrBottom, LeftOrRight };

    explicit CLogBar(QWidget *parent = nullptr);

    // Replaces the whole text and puts the caret at its start.
    void setText(const QString &text);
    QString text() const;
    QTextEdit *edit() const { return m_edit; }

    // The show/hide command (32998) with its check mark; it is this pane's own toggle.
    QAction *toggleAction() const { return m_toggle; }
    // The project pane's toggle (33071) for the context menu; may be null.
    void setProjectToggle(QAction *action) { m_projectToggle = action; }
    // The context menu (814): project pane, then log pane.
    void showContextMenu(const QPoint &globalPos);

    // Margins around the text control: left, top, right, bottom, for the pane's state.
    static QMargins marginsFor(Placement placement);
    Placement placement() const;

private:
    void updateLayout();

    QTextEdit *m_edit = nullptr;
    QAction *m_toggle = nullptr;
    QAction *m_projectToggle = nullptr;
};
