// The window bar: one button per editor in creation order. The button shows the
// editor's caption (bold while modified), its full path as hint, and is pressed while
// its editor is active; the buttons form one radio group. The right mouse button opens
// "Save", "Save as...", "Close" and "Set as main file".
#pragma once

#include <QList>
#include <QScrollArea>

class QToolButton;
class TEditForm;

class TWindowBar : public QScrollArea
{
    Q_OBJECT
public:
    explicit TWindowBar(QWidget *parent = nullptr);

    void addEditor(TEditForm *editor);
    void removeEditor(TEditForm *editor);
    void setActiveEditor(TEditForm *editor);
    // Re-reads caption, hint and boldness of every button and lays them out again.
    void refresh();
    // Height of the speed bar, which the buttons and the bar follow.
    void setBarHeight(int height);

    QToolButton *buttonFor(TEditForm *editor) const;
    int buttonCount() const { return int(m_entries.size()); }

signals:
    void activateRequested(TEditForm *editor);
    void saveRequested(TEditForm *editor);
    void saveAsRequested(TEditForm *editor);
    void closeRequested(TEditForm *editor);
    void setMainFileRequested(TEditForm *editor);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Entry {
        TEditForm *editor;
        QToolButton *button;
    };
    void layoutButtons();
    void showMenu(TEditForm *editor, const QPoint &globalPos);

    QWidget *m_content;
    QList<Entry> m_entries;
    int m_barHeight = 30;
};
