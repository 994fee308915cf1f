#include "editor/documentprinter.h"

#include "editor/cshellview.h"
#include "editor/pagetemplate.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Header and footer text starts this many device pixels right of the margin.
constexpr int TextIndent = 300;

// The font of the header and footer lines: the printer's own.
QFontMetrics deviceMetrics(QPrinter *printer) { return QFontMetrics(QFont(), printer); }

} // namespace

DocumentPrinter::DocumentPrinter(CShellView *view, const QString &header, const QString &footer)
    : m_view(view)
    , m_header(header)
    , m_footer(footer)
    , m_name(PageTemplate::documentName(*view->document()))
{
}

DocumentPrinter::~DocumentPrinter() = default;

void DocumentPrinter::setMargins(QPrinter *printer)
{
    printer->setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
}

DocumentPrinter::Frame DocumentPrinter::frameFor(QPrinter *printer) const
{
    Frame f;
    f.lineHeight = deviceMetrics(printer).height();
    const int band = f.lineHeight + 2 * (f.lineHeight / 4);
    // A template that expands to nothing takes no room: the body starts at the margin.
    if (!PageTemplate::expand(m_header, 1, m_name).isEmpty())
        f.headerHeight = band;
    if (!PageTemplate::expand(m_footer, 1, m_name).isEmpty())
        f.footerHeight = band;
    return f;
}

void DocumentPrinter::layOut(QPrinter *printer, const Frame &frame)
{
    QTextDocument *source = m_view->document()->textDocument();
    const bool coloured = m_view->colouringOn();
    if (coloured) // the background colouring may not have reached every line yet
        m_view->colourRange(0, source->characterCount() - 1);

    m_doc.reset(source->clone());
    m_doc->documentLayout()->setPaintDevice(printer);
    // The editor's font at its size on screen, in points so that it keeps that
    // size on the printer.
    QFont font = m_view->font();
    if (font.pixelSize() > 0) {
        const qreal dpi = m_view->logicalDpiY() > 0 ? m_view->logicalDpiY() : 96.0;
        font.setPointSizeF(font.pixelSize() * 72.0 / dpi);
    }
    m_doc->setDefaultFont(font);
    QTextOption option = m_doc->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(printer->logicalDpiX() / 5.0); // every fifth of an inch
    m_doc->setDefaultTextOption(option);
    m_doc->setDocumentMargin(0);

    if (coloured) {
        // The colours live in the view's layout, not in the text: they become
        // real formats of the copy.
        QTextCursor all(m_doc.get());
        all.select(QTextCursor::Document);
        QTextCharFormat plain;
        plain.setForeground(m_view->palette().color(QPalette::Text));
        all.mergeCharFormat(plain);
        for (QTextBlock b = source->begin(); b.isValid(); b = b.next()) {
            for (const QTextLayout::FormatRange &r : b.layout()->formats()) {
                QTextCursor c(m_doc.get());
                c.setPosition(b.position() + r.start);
                c.setPosition(b.position() + r.start + r.length, QTextCursor::KeepAnchor);
                c.mergeCharFormat(r.format);
            }
        }
    }
    const int height = printer->height() - frame.headerHeight - frame.footerHeight;
    m_doc->setPageSize(QSizeF(printer->width(), std::max(1, height)));
}

int DocumentPrinter::pageCount(QPrinter *printer)
{
    layOut(printer, frameFor(printer));
    return m_doc->pageCount();
}

int DocumentPrinter::print(QPrinter *printer)
{
    const Frame frame = frameFor(printer);
    layOut(printer, frame);
    QPainter p;
    if (!p.begin(printer))
        return -1;
    const int pages = m_doc->pageCount();
    int first = 1;
    int last = pages;
    if (printer->fromPage() > 0) {
        first = std::max(1, printer->fromPage());
        last = std::min(pages, printer->toPage() > 0 ? printer->toPage() : pages);
    }
    const int left = 0;
    const int right = printer->width();
    const int bottom = printer->height();
    const int h = frame.lineHeight;
    const int q = h / 4;
    const QFontMetrics fm = deviceMetrics(printer);
    const QSizeF body = m_doc->pageSize();
    p.setFont(QFont(QFont(), printer));
    int printed = 0;
    for (int n = first; n <= last; ++n) {
        if (printed++ > 0)
            printer->newPage();
        p.setPen(Qt::black);
        const QString header = PageTemplate::expand(m_header, n, m_name);
        const QString footer = PageTemplate::expand(m_footer, n, m_name);
        // Text positions name the top of the line, as the rules are placed.
        if (frame.headerHeight > 0) {
            p.drawText(QPoint(left + TextIndent, fm.ascent()), header);
            p.drawLine(left, h + q, right, h + q);
        }
        if (frame.footerHeight > 0) {
            p.drawLine(left, bottom - h - q, right, bottom - h - q);
            p.drawText(QPoint(left + TextIndent, bottom - h + fm.ascent()), footer);
        }
        p.save();
        const qreal offset = (n - 1) * body.height();
        p.translate(0, frame.headerHeight - offset);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = QRectF(0, offset, body.width(), body.height());
        ctx.palette.setColor(QPalette::Text, Qt::black);
        p.setClipRect(ctx.clip);
        m_doc->documentLayout()->draw(&p, ctx);
        p.restore();
    }
    p.end();
    return printed;
}
