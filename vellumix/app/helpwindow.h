// A window that shows a help text of the program itself (the README), so that help
// works on a desktop that has no program for such files.
#pragma once

#include <QDialog>

class QTextBrowser;

class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the Markdown file; false (and *error) when it cannot be read.
    bool showFile(const QString &path, QString *error);
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};
