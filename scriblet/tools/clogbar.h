// The log pane: a docking pane that shows the log of the last LaTeX run.
#pragma once

#include "bars/ccontrolbarex.h"

#include <QMargins>
#include <QPointer>
#include <functional>

class QAction;
class QTextEdit;

class CLogBar : public CControlBarEx
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
    // The project pane's toggle (33071) for the context menu; may be null. The
    // provider is asked each time the menu opens (the project pane comes later).
    void setProjectToggle(QAction *action);
    void setProjectToggleProvider(std::function<QAction *()> provider) { m_projectToggle = std::move(provider); }
    // The context menu (814): project pane, then log pane.
    void showContextMenu(const QPoint &globalPos);

    // Margins around the text control: left, top, right, bottom, for the pane's state.
    static QMargins marginsFor(Placement placement);
    static Placement placementFor(bool floating, Qt::DockWidgetArea area);
    Placement placement() const;

protected:
    void onLayoutChanged(bool floating, Qt::DockWidgetArea area, QSize clientSize) override;

private:

    QTextEdit *m_edit = nullptr;
    QAction *m_toggle = nullptr;
    std::function<QAction *()> m_projectToggle;
};
