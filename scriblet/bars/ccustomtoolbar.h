// A toolbar whose buttons are data (BarButtons): each button stands for a
// command id and shows that command's image and text, or its own text, as
// image, text or both. A button runs its command; a command that does not
// exist (any more) gives a disabled button.
//
// In customisation mode clicks run nothing: buttons are dragged within the bar,
// onto another bar or off the bar (removed), commands from the catalogue drop in
// at the drop position, and a button's context menu offers delete, look, image,
// text, image and text, and group (a separator before the button).
#pragma once

#include "bars/barbuttons.h"

#include <QPointer>
#include <QToolBar>
#include <functional>

class QMenu;
class QMimeData;
class QToolButton;

class CCustomToolBar : public QToolBar
{
    Q_OBJECT
public:
    // The drag payload of a button or a catalogue entry.
    static constexpr const char *MimeType = "application/x-scriblet-button";
    static QMimeData *mimeData(int fromBar, int fromIndex, const BarButton &button);

    CCustomToolBar(int barId, const QString &title, QWidget *parent = nullptr);

    int barId() const { return m_barId; }
    // Finds the command of an id (null: there is none).
    void setCommandLookup(std::function<QAction *(int)> lookup) { m_lookup = std::move(lookup); }
    // The editor of a button's look and text (the "Aussehen" entry); true when
    // the user accepted the changes.
    void setLookEditor(std::function<bool(QWidget *, BarButton *)> editor) { m_lookEditor = std::move(editor); }

    const BarButtons &buttons() const { return m_buttons; }
    void setButtons(const BarButtons &buttons);
    // Shows the commands' current texts and images again.
    void refresh();

    void setCustomising(bool on);
    bool isCustomising() const { return m_customising; }

    // The edits of customisation mode; each shows at once and emits buttonsChanged().
    void insertButton(int index, const BarButton &b);
    void moveButton(int from, int to);
    void removeButton(int index);
    void setButtonStyle(int index, ButtonStyle style);
    void toggleGroup(int index);

    // The button that shows buttons().at(index), and the index of a command's
    // first button (-1 when the bar has none).
    QToolButton *buttonWidget(int index) const;
    int indexOfCommand(int id) const;
    // Where a drop at pos (bar coordinates) inserts.
    int dropIndex(const QPoint &pos) const;
    // A button or catalogue entry dropped at pos; false when the payload is not
    // one or the bar is not being customised.
    bool drop(const QMimeData *mime, const QPoint &pos);
    // The context menu of a button in customisation mode (the caller shows it).
    QMenu *buttonMenu(int index);

signals:
    void buttonsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    struct Slot {
        QAction *proxy = nullptr;
        QPointer<QToolButton> widget;
    };
    void rebuild();
    void sync(int index);
    void startDrag(int index);
    void showMenu(int index, const QPoint &globalPos);
    void changed();
    int slotOf(const QObject *widget) const;

    int m_barId;
    BarButtons m_buttons;
    QList<Slot> m_slots;
    QList<QAction *> m_owned; // proxies and separators of the current layout
    std::function<QAction *(int)> m_lookup;
    std::function<bool(QWidget *, BarButton *)> m_lookEditor;
    bool m_customising = false;
    int m_pressIndex = -1;
    QPoint m_pressPos;
    bool m_dragging = false;
    int m_movedTo = -1; // a drag within this bar ended here
};
