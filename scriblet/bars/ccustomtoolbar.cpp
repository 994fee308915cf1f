#include "bars/ccustomtoolbar.h"

#include "bars/cbuttonlookdlg.h"
#include "common/commandids.h"
#include "resources/strings.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QToolButton>

namespace {

Qt::ToolButtonStyle qtStyle(ButtonStyle s)
{
    switch (s) {
    case ButtonStyle::Text:
        return Qt::ToolButtonTextOnly;
    case ButtonStyle::ImageAndText:
        return Qt::ToolButtonTextBesideIcon;
    case ButtonStyle::Image:
        break;
    }
    return Qt::ToolButtonIconOnly;
}

// The payload: "<bar> <index>\n" and the button as a one-button "Buttons" value.
bool decode(const QMimeData *mime, int *fromBar, int *fromIndex, BarButton *button)
{
    if (!mime || !mime->hasFormat(QString::fromLatin1(CCustomToolBar::MimeType)))
        return false;
    const QList<QByteArray> lines = mime->data(QString::fromLatin1(CCustomToolBar::MimeType)).split('\n');
    const QList<QByteArray> head = lines.value(0).split(' ');
    const auto b = BarButtons::fromSetting(QString::fromUtf8(lines.value(1)));
    if (head.size() != 2 || !b || b->size() != 1)
        return false;
    *fromBar = head.at(0).toInt();
    *fromIndex = head.at(1).toInt();
    *button = b->at(0);
    return true;
}

} // namespace

QMimeData *CCustomToolBar::mimeData(int fromBar, int fromIndex, const BarButton &button)
{
    auto *mime = new QMimeData;
    mime->setData(QString::fromLatin1(MimeType),
                  QByteArray::number(fromBar) + ' ' + QByteArray::number(fromIndex) + '\n'
                      + BarButtons({button}).toSetting().toUtf8());
    return mime;
}

CCustomToolBar::CCustomToolBar(int barId, const QString &title, QWidget *parent)
    : QToolBar(title, parent)
    , m_barId(barId)
{
    m_lookEditor = [](QWidget *parentWidget, BarButton *b) { return CButtonLookDlg::edit(parentWidget, b); };
}

void CCustomToolBar::setButtons(const BarButtons &buttons)
{
    m_buttons = buttons;
    rebuild();
}

void CCustomToolBar::rebuild()
{
    // Old buttons go with deleteLater (by the toolbar's layout): a rebuild may
    // come from inside one of their own events.
    for (QAction *a : std::as_const(m_owned)) {
        removeAction(a);
        a->deleteLater();
    }
    m_owned.clear();
    m_slots.clear();
    for (int i = 0; i < m_buttons.size(); ++i) {
        const BarButton &b = m_buttons.at(i);
        if (b.group && i > 0)
            m_owned.append(addSeparator());
        auto *proxy = new QAction(this);
        proxy->setObjectName(QStringLiteral("button%1").arg(b.id));
        QAction *command = m_lookup ? m_lookup(b.id) : nullptr;
        if (command)
            connect(command, &QAction::changed, proxy, [this, proxy] {
                for (int k = 0; k < m_slots.size(); ++k)
                    if (m_slots.at(k).proxy == proxy)
                        sync(k);
            });
        // Only the command's own action runs it, and only outside customisation;
        // the proxy's check mark then follows the command again.
        QPointer<QAction> target(command);
        connect(proxy, &QAction::triggered, this, [this, target, proxy] {
            if (target && !m_customising)
                target->trigger();
            proxy->setChecked(target && target->isChecked());
        });
        addAction(proxy);
        m_owned.append(proxy);
        auto *w = qobject_cast<QToolButton *>(widgetForAction(proxy));
        if (w)
            w->installEventFilter(this);
        m_slots.append({proxy, w});
        sync(i);
    }
}

void CCustomToolBar::refresh()
{
    for (int i = 0; i < m_slots.size(); ++i)
        sync(i);
}

void CCustomToolBar::sync(int index)
{
    const BarButton &b = m_buttons.at(index);
    QAction *proxy = m_slots.at(index).proxy;
    QAction *command = m_lookup ? m_lookup(b.id) : nullptr;
    QString text = b.caption;
    if (command) {
        // The command's own text without its key (the menus add it after a tab).
        const QString own = command->iconText().section(u'\t', 0, 0);
        if (text.isEmpty())
            text = own;
        proxy->setIcon(command->icon());
        proxy->setToolTip(b.caption.isEmpty() ? command->toolTip() : b.caption);
        proxy->setStatusTip(command->statusTip());
        proxy->setCheckable(command->isCheckable());
        proxy->setChecked(command->isChecked());
        // A command hidden while no document is open stays in its place, disabled.
        proxy->setEnabled(command->isEnabled() && command->isVisible());
    } else {
        if (text.isEmpty())
            text = Str::format(Str::MissingCommand, {QString::number(b.id)});
        proxy->setToolTip(text);
        proxy->setEnabled(false);
    }
    proxy->setText(text);
    // A button with neither image nor text would be invisible: it shows its text.
    const ButtonStyle style = b.style == ButtonStyle::Image && proxy->icon().isNull() ? ButtonStyle::Text : b.style;
    if (QToolButton *w = m_slots.at(index).widget) {
        w->setToolButtonStyle(qtStyle(style));
        QString name = proxy->toolTip();
        if (name.isEmpty() && b.id >= Cmd::Macro1 && b.id < Cmd::Macro1 + 10)
            name = Str::format(Str::MacroButtonName, {QString::number(b.id - Cmd::Macro1 + 1)});
        w->setAccessibleName(name);
    }
}

void CCustomToolBar::setCustomising(bool on)
{
    m_customising = on;
    setAcceptDrops(on);
}

void CCustomToolBar::changed()
{
    rebuild();
    emit buttonsChanged();
}

void CCustomToolBar::insertButton(int index, const BarButton &b)
{
    if (m_buttons.insert(index, b))
        changed();
}

void CCustomToolBar::moveButton(int from, int to)
{
    if (m_buttons.move(from, to))
        changed();
}

void CCustomToolBar::removeButton(int index)
{
    if (m_buttons.remove(index))
        changed();
}

void CCustomToolBar::setButtonStyle(int index, ButtonStyle style)
{
    if (m_buttons.setStyle(index, style))
        changed();
}

void CCustomToolBar::toggleGroup(int index)
{
    if (m_buttons.toggleGroup(index))
        changed();
}

QToolButton *CCustomToolBar::buttonWidget(int index) const
{
    return index >= 0 && index < m_slots.size() ? m_slots.at(index).widget.data() : nullptr;
}

int CCustomToolBar::indexOfCommand(int id) const { return int(m_buttons.ids().indexOf(id)); }

int CCustomToolBar::dropIndex(const QPoint &pos) const
{
    const bool across = orientation() == Qt::Horizontal;
    for (int i = 0; i < m_slots.size(); ++i) {
        const QWidget *w = m_slots.at(i).widget;
        if (!w || w->isHidden())
            continue;
        const QPoint c = w->geometry().center();
        if (across ? pos.x() < c.x() : pos.y() < c.y())
            return i;
    }
    return m_buttons.size();
}

int CCustomToolBar::slotOf(const QObject *widget) const
{
    for (int i = 0; i < m_slots.size(); ++i)
        if (m_slots.at(i).widget == widget)
            return i;
    return -1;
}

QMenu *CCustomToolBar::buttonMenu(int index)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("buttonMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (index < 0 || index >= m_buttons.size())
        return menu;
    const BarButton b = m_buttons.at(index);
    auto add = [&](const char *name, int textId, auto fn) {
        QAction *a = menu->addAction(Str::text(textId));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, fn);
        return a;
    };
    add("buttonDelete", Str::ButtonDelete, [this, index] { removeButton(index); });
    add("buttonLook", Str::ButtonLook, [this, index] {
        BarButton edited = m_buttons.at(index);
        if (m_lookEditor && m_lookEditor(this, &edited) && m_buttons.setStyle(index, edited.style)
            && m_buttons.setCaption(index, edited.caption))
            changed();
    });
    menu->addSeparator();
    const QList<std::pair<ButtonStyle, int>> looks = {{ButtonStyle::Image, Str::ButtonImage},
                                                      {ButtonStyle::Text, Str::ButtonText},
                                                      {ButtonStyle::ImageAndText, Str::ButtonImageAndText}};
    const char *names[] = {"buttonImage", "buttonText", "buttonImageAndText"};
    for (int k = 0; k < 3; ++k) {
        const ButtonStyle s = looks.at(k).first;
        QAction *a = add(names[k], looks.at(k).second, [this, index, s] { setButtonStyle(index, s); });
        a->setCheckable(true);
        a->setChecked(b.style == s);
    }
    menu->addSeparator();
    QAction *group = add("buttonGroup", Str::ButtonGroup, [this, index] { toggleGroup(index); });
    group->setCheckable(true);
    group->setChecked(b.group);
    return menu;
}

void CCustomToolBar::showMenu(int index, const QPoint &globalPos)
{
    QMenu *menu = buttonMenu(index);
    menu->popup(globalPos);
}

bool CCustomToolBar::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_customising)
        return QToolBar::eventFilter(watched, event);
    const int index = slotOf(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() == Qt::LeftButton) {
            m_pressIndex = index;
            m_pressPos = me->globalPosition().toPoint();
        }
        return true; // no click runs a command while customising
    }
    case QEvent::MouseMove: {
        auto *me = static_cast<QMouseEvent *>(event);
        if (m_pressIndex >= 0 && !m_dragging && (me->buttons() & Qt::LeftButton)
            && (me->globalPosition().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            const int from = std::exchange(m_pressIndex, -1);
            // Started from the bar's own turn of the event loop, not inside the
            // button's event: the drag may remove that button.
            m_dragging = true;
            QTimer::singleShot(0, this, [this, from] { startDrag(from); });
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_pressIndex = -1;
        return true;
    case QEvent::ContextMenu: {
        const QPoint pos = static_cast<QContextMenuEvent *>(event)->globalPos();
        QTimer::singleShot(0, this, [this, index, pos] { showMenu(index, pos); });
        return true;
    }
    default:
        break;
    }
    return QToolBar::eventFilter(watched, event);
}

void CCustomToolBar::startDrag(int index)
{
    if (index < 0 || index >= m_buttons.size()) {
        m_dragging = false;
        return;
    }
    QPointer<CCustomToolBar> self(this);
    auto *drag = new QDrag(this);
    drag->setMimeData(mimeData(m_barId, index, m_buttons.at(index)));
    if (QToolButton *w = buttonWidget(index))
        drag->setPixmap(w->grab());
    m_movedTo = -1;
    const Qt::DropAction result = drag->exec(Qt::MoveAction);
    if (!self)
        return;
    m_dragging = false;
    if (m_movedTo >= 0)
        moveButton(index, m_movedTo);
    else if (result == Qt::MoveAction || result == Qt::IgnoreAction)
        removeButton(index); // now on another bar, or dragged off: gone from here
}

void CCustomToolBar::dragEnterEvent(QDragEnterEvent *e)
{
    // Buttons move (Qt::MoveAction), catalogue entries are copied.
    if (m_customising && e->mimeData()->hasFormat(QString::fromLatin1(MimeType)))
        e->acceptProposedAction();
    else
        e->ignore();
}

void CCustomToolBar::dragMoveEvent(QDragMoveEvent *e)
{
    if (m_customising && e->mimeData()->hasFormat(QString::fromLatin1(MimeType)))
        e->acceptProposedAction();
    else
        e->ignore();
}

void CCustomToolBar::dropEvent(QDropEvent *e)
{
    if (drop(e->mimeData(), e->position().toPoint())) {
        e->acceptProposedAction();
    } else {
        e->ignore();
    }
}

bool CCustomToolBar::drop(const QMimeData *mime, const QPoint &pos)
{
    int fromBar = 0, fromIndex = -1;
    BarButton b;
    if (!m_customising || !decode(mime, &fromBar, &fromIndex, &b))
        return false;
    const int at = dropIndex(pos);
    if (fromBar == m_barId && fromIndex >= 0)
        // Within this bar: the dragging side moves the button once the drag is over.
        m_movedTo = at > fromIndex ? at - 1 : at;
    else
        insertButton(at, b);
    return true;
}
