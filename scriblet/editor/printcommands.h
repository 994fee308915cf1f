// The printing commands of the main window: page set-up (header and footer
// templates, kept in the settings object and written at exit), print and print
// preview of the active document. One printer serves the whole session, so the
// choices made in the print dialog stay for the next print.
#pragma once

#include <QObject>

#include <memory>

class CShellSettings;
class CShellView;
class EditorHost;
class Prompter;
class QPrinter;
class QWidget;

class PrintCommands : public QObject
{
    Q_OBJECT
public:
    PrintCommands(QWidget *window, CShellSettings &settings, EditorHost &host, Prompter &prompter);
    ~PrintCommands() override;

    // The dialog "Seite einrichten"; OK takes both templates for the next print.
    void pageSetup();
    // The print dialog, then the active document onto the chosen printer.
    void print();
    // The active document in the print preview window.
    void printPreview();

    // Prints the view with the current templates; false (after a message) when
    // the printer could not be opened.
    bool printView(CShellView *view, QPrinter *printer);
    QPrinter *printer() const { return m_printer.get(); }

private:
    QWidget *m_window;
    CShellSettings &m_settings;
    EditorHost &m_host;
    Prompter &m_prompter;
    std::unique_ptr<QPrinter> m_printer;
};
