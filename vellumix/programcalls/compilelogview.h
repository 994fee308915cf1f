// The compile log view: a pane at the bottom of the window that shows what the
// running compile writes (standard output and error), as it comes, under the command
// line that started it, and how it ended. It keeps the END of a long output, where
// TeX's fatal error stands.
#pragma once

#include <QDockWidget>

class QPlainTextEdit;

class CompileLogView : public QDockWidget
{
    Q_OBJECT
public:
    // Lines kept; older ones are dropped from the top.
    static constexpr int MaxLines = 20000;

    explicit CompileLogView(QWidget *parent = nullptr);

    // A new run: the view is cleared and shows the command line.
    void begin(const QString &commandLine);
    void append(const QString &text);
    // The run ended: the status line closes the output.
    void end(const QString &status);

    QString text() const;
    QPlainTextEdit *textView() const { return m_text; }

private:
    QPlainTextEdit *m_text;
};
