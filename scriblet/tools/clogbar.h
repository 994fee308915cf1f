// The log pane: a docking pane that shows the log of the last LaTeX or BibTeX run,
// tints the lines of its errors, warnings and bad boxes, and lets the user walk
// them. A double click on such a line asks for its file (entryActivated); Ctrl+F
// opens a search line inside the pane (Enter and F3 search on, Shift with them
// back, Escape closes it).
#pragma once

#include "bars/ccontrolbarex.h"
#include "tools/loganalysis.h"

#include <QMargins>
#include <QPointer>
#include <functional>

class LogTextView;
class QAction;
class QLineEdit;
class QPlainTextEdit;

class CLogBar : public CControlBarEx
{
    Q_OBJECT
public:
    enum class Placement { Floating, TopOrBottom, LeftOrRight };

    explicit CLogBar(QWidget *parent = nullptr);

    // Replaces the whole content with a text that is no log (no entries) and puts
    // the caret at its start.
    void setText(const QString &text);
    // Replaces the whole content with a log: its entries are tinted, the first
    // error is scrolled into view with the caret at its line; without errors the
    // caret goes to the start.
    void setLog(const LogAnalysis &log);
    const LogAnalysis &log() const { return m_log; }
    QString text() const;
    QPlainTextEdit *edit() const;

    // The entry the walk stands at (-1: none yet). Setting it selects the entry's
    // first line in the pane and scrolls it into view.
    int currentEntry() const { return m_current; }
    void setCurrentEntry(int entry);

    // Shows the search line and gives it the focus.
    void showFind();
    // Searches from the caret for the text (case ignored), going round at the end;
    // false, with a beep, when the log holds it nowhere.
    bool find(const QString &text, bool backwards = false);
    QLineEdit *findEdit() const { return m_findEdit; }

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

signals:
    // A double click on a line of this entry.
    void entryActivated(int entry);

protected:
    void onLayoutChanged(bool floating, Qt::DockWidgetArea area, QSize clientSize) override;
    // A change of language sets the find bar's and the text's names again.
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hideFind();

    LogTextView *m_edit = nullptr;
    QWidget *m_findBar = nullptr;
    QLineEdit *m_findEdit = nullptr;
    QAction *m_toggle = nullptr;
    std::function<QAction *()> m_projectToggle;
    LogAnalysis m_log;
    int m_current = -1;
};
