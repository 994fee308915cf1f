#include "app/twindowbar.h"

#include "editor/teditform.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

TWindowBar::TWindowBar(QWidget *parent) : QScrollArea(parent), m_content(new QWidget)
{
    setObjectName(QStringLiteral("WindowBar"));
    setAccessibleName(QStringLiteral("Window Bar"));
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(false);
    m_content->setObjectName(QStringLiteral("WindowBarButtons"));
    setWidget(m_content);
    setBarHeight(m_barHeight);
}

void TWindowBar::setBarHeight(int height)
{
    m_barHeight = height;
    layoutButtons();
}

void TWindowBar::addEditor(TEditForm *editor)
{
    auto *b = new QToolButton(m_content);
    b->setObjectName(QStringLiteral("WindowButton%1").arg(m_entries.size()));
    b->setCheckable(true);
    b->setAutoExclusive(true);
    b->setAutoRaise(false);
    b->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(b, &QToolButton::clicked, this, [this, editor]() { emit activateRequested(editor); });
    connect(b, &QToolButton::customContextMenuRequested, this,
            [this, editor, b](const QPoint &pos) { showMenu(editor, b->mapToGlobal(pos)); });
    b->show();
    m_entries.append({editor, b});
    refresh();
}

void TWindowBar::removeEditor(TEditForm *editor)
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).editor == editor) {
            // The button may be the sender of the request that closed its editor.
            m_entries.at(i).button->hide();
            m_entries.at(i).button->deleteLater();
            m_entries.removeAt(i);
            break;
        }
    }
    layoutButtons();
}

void TWindowBar::setActiveEditor(TEditForm *editor)
{
    for (const Entry &e : m_entries) {
        if (e.editor == editor) {
            e.button->setChecked(true);
            ensureWidgetVisible(e.button, 0, 0);
            return;
        }
    }
    // No editor active: release every button (auto-exclusive buttons need a detour).
    for (const Entry &e : m_entries) {
        e.button->setAutoExclusive(false);
        e.button->setChecked(false);
        e.button->setAutoExclusive(true);
    }
}

QToolButton *TWindowBar::buttonFor(TEditForm *editor) const
{
    for (const Entry &e : m_entries)
        if (e.editor == editor)
            return e.button;
    return nullptr;
}

void TWindowBar::refresh()
{
    for (const Entry &e : m_entries) {
        const QString caption = e.editor->windowTitle();
        e.button->setText(caption);
        e.button->setToolTip(e.editor->fileName());
        e.button->setAccessibleName(caption);
        e.button->setAccessibleDescription(e.editor->fileName());
        QFont f = font();
        f.setBold(e.editor->isModified());
        e.button->setFont(f);
    }
    layoutButtons();
}

void TWindowBar::layoutButtons()
{
    int x = 2;
    const int h = qMax(10, m_barHeight - 5);
    for (const Entry &e : m_entries) {
        const int w = QFontMetrics(e.button->font()).horizontalAdvance(e.button->text()) + 10;
        e.button->setGeometry(x, 2, w, h);
        x += w + 2;
    }
    m_content->resize(qMax(x, viewport()->width()), m_barHeight);
    // Wider than the bar: grow so that the scroll bar fits below the buttons.
    const bool overflow = x > width();
    setFixedHeight(overflow ? m_barHeight + horizontalScrollBar()->sizeHint().height() : m_barHeight);
}

void TWindowBar::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    layoutButtons();
}

void TWindowBar::showMenu(TEditForm *editor, const QPoint &globalPos)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("WindowButtonMenu"));
    QAction *save = menu.addAction(QStringLiteral("Save"));
    save->setObjectName(QStringLiteral("WindowSave"));
    QAction *saveAs = menu.addAction(QStringLiteral("Save as..."));
    saveAs->setObjectName(QStringLiteral("WindowSaveAs"));
    QAction *close = menu.addAction(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("WindowClose"));
    menu.addSeparator();
    QAction *setMain = menu.addAction(QStringLiteral("Set as main file"));
    setMain->setObjectName(QStringLiteral("WindowSetMainFile"));
    QAction *chosen = menu.exec(globalPos);
    if (chosen == save)
        emit saveRequested(editor);
    else if (chosen == saveAs)
        emit saveAsRequested(editor);
    else if (chosen == close)
        emit closeRequested(editor);
    else if (chosen == setMain)
        emit setMainFileRequested(editor);
}
