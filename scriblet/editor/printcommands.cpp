#include "editor/printcommands.h"

#include "common/cshellsettings.h"
#include "common/prompter.h"
#include "editor/cpagesetupdlg.h"
#include "editor/cshellview.h"
#include "editor/documentprinter.h"
#include "editor/editorhost.h"
#include "resources/strings.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

PrintCommands::PrintCommands(QWidget *window, CShellSettings &settings, EditorHost &host, Prompter &prompter)
    : QObject(window)
    , m_window(window)
    , m_settings(settings)
    , m_host(host)
    , m_prompter(prompter)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    DocumentPrinter::setMargins(m_printer.get());
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::pageSetup()
{
    CPageSetupDlg dlg(m_settings.pageHeader, m_settings.pageFooter, m_window);
    if (dlg.exec() != QDialog::Accepted)
        return;
    m_settings.pageHeader = dlg.header();
    m_settings.pageFooter = dlg.footer();
}

void PrintCommands::print()
{
    CShellView *view = m_host.activeView();
    if (!view)
        return;
    QPrintDialog dlg(m_printer.get(), m_window);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dlg.exec() != QDialog::Accepted)
        return;
    printView(view, m_printer.get());
}

void PrintCommands::printPreview()
{
    CShellView *view = m_host.activeView();
    if (!view)
        return;
    QPrintPreviewDialog dlg(m_printer.get(), m_window);
    dlg.setWindowTitle(Str::text(Str::PrintPreviewTitle));
    connect(&dlg, &QPrintPreviewDialog::paintRequested, this, [this, view](QPrinter *printer) {
        DocumentPrinter::setMargins(printer);
        printView(view, printer);
    });
    dlg.exec();
}

bool PrintCommands::printView(CShellView *view, QPrinter *printer)
{
    DocumentPrinter out(view, m_settings.pageHeader, m_settings.pageFooter);
    if (out.print(printer) >= 0)
        return true;
    const QString name = printer->outputFileName().isEmpty() ? printer->printerName() : printer->outputFileName();
    m_prompter.message(Str::format(Str::PrintFailed, {QStringLiteral("\"%1\"").arg(name)}), Prompter::Icon::Error);
    return false;
}
