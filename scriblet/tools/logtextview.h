// The text of the log pane: a read-only plain-text view that tints the lines of
// errors, warnings and bad boxes, reports a double click on a line, and keeps the
// keys of its own search (Ctrl+F, F3, Shift+F3) from the main window's commands
// of the same keys while it has the focus. Lines count from 0 (block numbers).
#pragma once

#include <QPlainTextEdit>
#include <vector>

class LogTextView : public QPlainTextEdit
{
    Q_OBJECT
public:
    enum class Mark : quint8 { None, Error, Warning, BadBox };

    explicit LogTextView(QWidget *parent = nullptr);

    // One mark per line; lines past the end have none.
    void setMarks(std::vector<Mark> marks);
    Mark markAt(int line) const;
    static QColor colour(Mark mark);

signals:
    void lineActivated(int line);
    void findRequested();
    void findAgainRequested(bool backwards);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    std::vector<Mark> m_marks;
};
