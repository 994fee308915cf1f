#include "tools/clogbar.h"

#include "common/commandids.h"
#include "resources/actiontext.h"
#include "resources/strings.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTextEdit>
#include <QVBoxLayout>

CLogBar::CLogBar(QWidget *parent)
    : CControlBarEx(Cmd::ViewLogBar, QStringLiteral("LogBar"), Str::LogBarTitle, parent)
{
    setInitialSize(QSize(200, 100));

    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    m_edit = new QTextEdit(content);
    m_edit->setObjectName(QStringLiteral("LogEdit%1").arg(Cmd::LogBarControl));
    m_edit->setAccessibleName(Str::text(Str::LogName));
    m_edit->setReadOnly(true);
    m_edit->setAcceptRichText(true);
    m_edit->setLineWrapMode(QTextEdit::NoWrap);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_edit->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    m_edit->setFont(font);
    m_edit->setContextMenuPolicy(Qt::NoContextMenu); // the pane's own menu 814 applies
    layout->addWidget(m_edit);
    layout->setContentsMargins(marginsFor(Placement::TopOrBottom));
    setWidget(content);

    m_toggle = toggleViewAction();
    ActionText::set(m_toggle, Str::CapViewLogBar, Cmd::ViewLogBar);
    m_toggle->setProperty("commandId", Cmd::ViewLogBar);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { showContextMenu(mapToGlobal(pos)); });
    m_edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_edit, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { showContextMenu(m_edit->mapToGlobal(pos)); });
    setText(QString());
}

void CLogBar::setText(const QString &text)
{
    m_edit->setPlainText(text);
    QTextCursor cursor = m_edit->textCursor();
    cursor.setPosition(0);
    m_edit->setTextCursor(cursor);
    m_edit->ensureCursorVisible();
}

QString CLogBar::text() const
{
    return m_edit->toPlainText();
}

void CLogBar::showContextMenu(const QPoint &globalPos)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("Menu%1").arg(Cmd::LogBarContextMenu));
    if (QAction *project = m_projectToggle ? m_projectToggle() : nullptr)
        menu.addAction(project);
    menu.addAction(m_toggle);
    menu.exec(globalPos);
}

void CLogBar::setProjectToggle(QAction *action)
{
    QPointer<QAction> guarded(action);
    m_projectToggle = [guarded] { return guarded.data(); };
}

QMargins CLogBar::marginsFor(Placement placement)
{
    // The control fills the pane less these margins; the wider ones leave room for
    // the pane's gripper and buttons.
    switch (placement) {
    case Placement::Floating:
        return {5, 5, 5, 5};
    case Placement::TopOrBottom:
        return {17, 5, 8, 12};
    case Placement::LeftOrRight:
        return {5, 20, 12, 9};
    }
    return {};
}

CLogBar::Placement CLogBar::placementFor(bool floating, Qt::DockWidgetArea area)
{
    if (floating)
        return Placement::Floating;
    if (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea)
        return Placement::LeftOrRight;
    return Placement::TopOrBottom; // also before the first docking: it starts at the bottom
}

CLogBar::Placement CLogBar::placement() const
{
    return placementFor(isFloating(), dockArea());
}

void CLogBar::onLayoutChanged(bool floating, Qt::DockWidgetArea area, QSize)
{
    QLayout *layout = widget() ? widget()->layout() : nullptr;
    if (!layout)
        return;
    const QMargins margins = marginsFor(placementFor(floating, area));
    if (layout->contentsMargins() != margins) {
        layout->setContentsMargins(margins);
        m_edit->update();
    }
}
