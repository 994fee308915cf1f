#include "tools/clogbar.h"

#include "tools/toolcommandids.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMainWindow>
#include <QMenu>
#include <QTextEdit>
#include <QVBoxLayout>

CLogBar::CLogBar(QWidget *parent)
    : QDockWidget(QStringLiteral("LogBar"), parent)
{
    setObjectName(QStringLiteral("LogBar"));
    setAccessibleName(QStringLiteral("LogBar"));
    setAllowedAreas(Qt::AllDockWidgetAreas);

    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    m_edit = new QTextEdit(content);
    m_edit->setObjectName(QStringLiteral("LogEdit%1").arg(ToolCommandIds::LogBarControl));
    m_edit->setAccessibleName(QStringLiteral("Log"));
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
    setWidget(content);
    resize(200, 100);

    m_toggle = toggleViewAction();
    m_toggle->setObjectName(QStringLiteral("cmd32998"));
    m_toggle->setText(QStringLiteral("&Logbereich"));
    m_toggle->setStatusTip(QStringLiteral("Blendet die Logbereich ein oder aus."));
    m_toggle->setToolTip(QStringLiteral("Logbereich ein-/ausschalten"));
    m_toggle->setProperty("commandId", ToolCommandIds::ToggleLogBar);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { showContextMenu(mapToGlobal(pos)); });
    m_edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_edit, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { showContextMenu(m_edit->mapToGlobal(pos)); });

    connect(this, &QDockWidget::topLevelChanged, this, [this] { updateLayout(); });
    connect(this, &QDockWidget::dockLocationChanged, this, [this] { updateLayout(); });
    updateLayout();
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
    menu.setObjectName(QStringLiteral("Menu%1").arg(ToolCommandIds::LogBarContextMenu));
    if (m_projectToggle)
        menu.addAction(m_projectToggle);
    menu.addAction(m_toggle);
    menu.exec(globalPos);
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

CLogBar::Placement CLogBar::placement() const
{
    if (isFloating())
        return Placement::Floating;
    auto *frame = qobject_cast<QMainWindow *>(parentWidget());
    const Qt::DockWidgetArea area = frame ? frame->dockWidgetArea(const_cast<CLogBar *>(this)) : Qt::BottomDockWidgetArea;
    if (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea)
        return Placement::LeftOrRight;
    return Placement::TopOrBottom;
}

void CLogBar::updateLayout()
{
    if (QWidget *content = widget())
        content->layout()->setContentsMargins(marginsFor(placement()));
}
