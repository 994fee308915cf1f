// Prints an editor view's text page by page: the text body wrapped to the
// page, with half-inch margins, under the expanded header line and its rule and
// above the rule and the expanded footer line. Coordinates are device pixels of
// the printer (or of the preview); the colours of the colouring are printed as
// the view shows them while colouring is on.
#pragma once

#include <QString>

#include <memory>

class CShellView;
class QPrinter;
class QTextDocument;

class DocumentPrinter
{
public:
    // header, footer: the templates ("&p", "&f"); the view must outlive the printer.
    DocumentPrinter(CShellView *view, const QString &header, const QString &footer);
    ~DocumentPrinter();

    // Margins of 720 twips (half an inch) on all four sides.
    static void setMargins(QPrinter *printer);

    // Pages the text takes on this printer.
    int pageCount(QPrinter *printer);
    // Prints every page (or the printer's page range); the number of pages
    // printed, -1 when the printer could not be opened.
    int print(QPrinter *printer);

private:
    struct Frame {
        int headerHeight = 0; // h + 2q above the body, 0 without a header
        int footerHeight = 0; // h + 2q below it, 0 without a footer
        int lineHeight = 0;   // h
    };
    // The view's text laid out for the printer, in the body's size.
    void layOut(QPrinter *printer, const Frame &frame);
    Frame frameFor(QPrinter *printer) const;

    CShellView *m_view;
    QString m_header;
    QString m_footer;
    QString m_name;
    std::unique_ptr<QTextDocument> m_doc;
};
