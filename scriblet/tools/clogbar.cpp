#include "tools/clogbar.h"

#include "common/commandids.h"
#include "resources/actiontext.h"
#include "resources/strings.h"
#include "tools/logtextview.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTextBlock>
#include <QVBoxLayout>

CLogBar::CLogBar(QWidget *parent)
    : CControlBarEx(Cmd::ViewLogBar, QStringLiteral("LogBar"), Str::LogBarTitle, parent)
{
    setInitialSize(QSize(200, 100));

    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    layout->setSpacing(2);
    m_edit = new LogTextView(content);
    m_edit->setObjectName(QStringLiteral("LogEdit%1").arg(Cmd::LogBarControl));
    m_edit->setAccessibleName(Str::text(Str::LogName));
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_edit->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    m_edit->setFont(font);
    layout->addWidget(m_edit);

    m_findBar = new QWidget(content);
    m_findBar->setObjectName(QStringLiteral("LogFindBar"));
    auto *findLayout = new QHBoxLayout(m_findBar);
    findLayout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(Str::text(Str::FindWhat), m_findBar);
    m_findEdit = new QLineEdit(m_findBar);
    m_findEdit->setObjectName(QStringLiteral("LogFindEdit"));
    m_findEdit->setAccessibleName(Str::text(Str::LogFindName));
    label->setBuddy(m_findEdit);
    findLayout->addWidget(label);
    findLayout->addWidget(m_findEdit, 1);
    m_findEdit->installEventFilter(this);
    m_findBar->hide();
    layout->addWidget(m_findBar);

    layout->setContentsMargins(marginsFor(Placement::TopOrBottom));
    setWidget(content);

    m_toggle = toggleViewAction();
    ActionText::set(m_toggle, Str::CapViewLogBar, Cmd::ViewLogBar);
    m_toggle->setProperty("commandId", Cmd::ViewLogBar);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { showContextMenu(mapToGlobal(pos)); });
    // The pane's own menu 814 applies in the text too.
    m_edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_edit, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { showContextMenu(m_edit->mapToGlobal(pos)); });
    connect(m_edit, &LogTextView::lineActivated, this, [this](int line) {
        const int entry = m_log.entryAtPaneLine(line);
        if (entry < 0)
            return;
        m_current = entry;
        emit entryActivated(entry);
    });
    connect(m_edit, &LogTextView::findRequested, this, &CLogBar::showFind);
    connect(m_edit, &LogTextView::findAgainRequested, this, [this](bool backwards) {
        if (m_findEdit->text().isEmpty())
            showFind();
        else
            find(m_findEdit->text(), backwards);
    });
    connect(m_findEdit, &QLineEdit::textEdited, this, [this](const QString &text) {
        // Searching while typing starts again where the selection begins.
        QTextCursor c = m_edit->textCursor();
        c.setPosition(c.selectionStart());
        m_edit->setTextCursor(c);
        if (!text.isEmpty())
            find(text);
    });
    setText(QString());
}

void CLogBar::setText(const QString &text)
{
    setLog(LogAnalysis::message(text));
}

void CLogBar::setLog(const LogAnalysis &log)
{
    m_log = log;
    m_current = -1;
    m_edit->setPlainText(m_log.text());

    std::vector<LogTextView::Mark> marks;
    const LatexLog &entries = m_log.log();
    if (!entries.isEmpty())
        marks.resize(size_t(m_edit->blockCount()), LogTextView::Mark::None);
    for (int i = 0; i < entries.size(); ++i) {
        const int first = m_log.paneLine(i);
        if (first < 0)
            continue;
        const LatexLogEntry &e = entries.at(i);
        const LogTextView::Mark mark = e.kind == LatexLogEntry::Kind::Error     ? LogTextView::Mark::Error
                                       : e.kind == LatexLogEntry::Kind::Warning ? LogTextView::Mark::Warning
                                                                                : LogTextView::Mark::BadBox;
        const int end = first + e.logLineCount - std::max(0, m_log.cutLines() - e.logLine);
        for (int line = first; line < end && size_t(line) < marks.size(); ++line)
            marks[size_t(line)] = mark;
    }
    m_edit->setMarks(std::move(marks));

    const int firstError = m_log.nextError(-1, true);
    const int line = firstError >= 0 ? m_log.paneLine(firstError) : -1;
    QTextCursor cursor(m_edit->document());
    if (line >= 0) {
        cursor.setPosition(m_edit->document()->findBlockByNumber(line).position());
        m_edit->setTextCursor(cursor);
        m_edit->centerCursor();
    } else {
        m_edit->setTextCursor(cursor);
        m_edit->ensureCursorVisible();
    }
}

QString CLogBar::text() const
{
    return m_edit->toPlainText();
}

QPlainTextEdit *CLogBar::edit() const
{
    return m_edit;
}

void CLogBar::setCurrentEntry(int entry)
{
    if (entry < 0 || entry >= m_log.log().size())
        return;
    m_current = entry;
    const int line = m_log.paneLine(entry);
    if (line < 0)
        return;
    const QTextBlock block = m_edit->document()->findBlockByNumber(line);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    m_edit->setTextCursor(cursor);
    m_edit->centerCursor();
}

void CLogBar::showFind()
{
    if (!isVisible())
        show();
    m_findBar->show();
    m_findEdit->setFocus();
    m_findEdit->selectAll();
}

void CLogBar::hideFind()
{
    m_findBar->hide();
    m_edit->setFocus();
}

bool CLogBar::find(const QString &text, bool backwards)
{
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags = backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (m_edit->find(text, flags))
        return true;
    // Round the end: once more from the other end.
    QTextCursor cursor = m_edit->textCursor();
    const QTextCursor before = cursor;
    cursor.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
    m_edit->setTextCursor(cursor);
    if (m_edit->find(text, flags))
        return true;
    m_edit->setTextCursor(before);
    QApplication::beep();
    return false;
}

bool CLogBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_findEdit && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool shift = key->modifiers() & Qt::ShiftModifier;
        const int k = key->key();
        const bool ours = k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_F3 || k == Qt::Key_Escape;
        if (ours && event->type() == QEvent::ShortcutOverride) {
            event->accept(); // not the main window's F3 or Escape
            return true;
        }
        if (ours) {
            if (k == Qt::Key_Escape)
                hideFind();
            else
                find(m_findEdit->text(), shift);
            return true;
        }
    }
    return CControlBarEx::eventFilter(watched, event);
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

void CLogBar::changeEvent(QEvent *event)
{
    CControlBarEx::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    m_edit->setAccessibleName(Str::text(Str::LogName));
    m_findEdit->setAccessibleName(Str::text(Str::LogFindName));
    if (auto *label = m_findBar->findChild<QLabel *>())
        label->setText(Str::text(Str::FindWhat));
}
