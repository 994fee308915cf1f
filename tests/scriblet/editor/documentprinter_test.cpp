// Printing from a real main frame into PDF files, read back with poppler's
// pdftotext and pdftoppm: header and footer on every page, an empty header
// leaving the top of the page to the text, the colouring's colours on paper, and
// the dialog "Seite einrichten".
#include "editor/documentprinter.h"

#include "common/commandids.h"
#include "editor/cpagesetupdlg.h"
#include "editor/cshelldoc.h"
#include "editor/cshellview.h"
#include "editor/printcommands.h"
#include "framefixture.h"
#include "resources/strings.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

namespace {

class PrintTest : public FrameTest
{
protected:
    // A frame with a saved document of `lines` numbered lines open.
    CShellView *openLines(int lines)
    {
        QByteArray text;
        for (int i = 1; i <= lines; ++i)
            text += "Zeile" + QByteArray::number(i) + " \\section{Titel} text\n";
        m_doc = file(QStringLiteral("druck.tex"), text);
        if (!m_frame)
            printFrame();
        return docs().openDocument(m_doc);
    }
    // A frame with the page setup read as the program's start reads it.
    CMainFrame *printFrame()
    {
        m_settings->readPageSetup(Str::text(Str::PageHeaderDefault), Str::text(Str::PageFooterDefault));
        return makeFrame();
    }
    // A PDF printer as the print dialog would leave it.
    std::unique_ptr<QPrinter> pdfPrinter(const QString &name)
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path(name));
        printer->setPageSize(QPageSize(QPageSize::A4));
        DocumentPrinter::setMargins(printer.get());
        return printer;
    }
    bool printTo(CShellView *view, QPrinter *printer)
    {
        return m_frame->findChild<PrintCommands *>()->printView(view, printer);
    }
    // Output of one of poppler's tools; empty when it fails.
    static QByteArray run(const QString &program, const QStringList &args)
    {
        QProcess p;
        p.start(program, args);
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            ADD_FAILURE() << program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
            return {};
        }
        return p.readAllStandardOutput();
    }
    QString pageText(const QString &pdf, int page)
    {
        const QString n = QString::number(page);
        return QString::fromUtf8(run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdf, QStringLiteral("-")}));
    }
    int pdfPages(const QString &pdf)
    {
        const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdf}));
        return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    }
    // Top edge (in points) of the first word of page 1 that starts with prefix; -1 when none.
    double wordTop(const QString &pdf, const QString &prefix)
    {
        const QString html = QString::fromUtf8(run(QStringLiteral("pdftotext"),
            {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")}));
        const QRegularExpression word(QStringLiteral("<word xMin=\"[\\d.]+\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            if (m.captured(2).startsWith(prefix))
                return m.captured(1).toDouble();
        }
        return -1;
    }

    QString m_doc;
};

TEST_F(PrintTest, DefaultsPutPathOnEveryPageAndThePageNumberBelow)
{
    // As many lines as make exactly three pages on this printer.
    auto probe = pdfPrinter(QStringLiteral("probe.pdf"));
    int lines = 40;
    CShellView *view = openLines(lines);
    ASSERT_TRUE(view);
    for (int pages = 0; (pages = DocumentPrinter(view, m_settings->pageHeader, m_settings->pageFooter).pageCount(probe.get())) != 3;) {
        ASSERT_LT(pages, 3) << "the three-page text was not found";
        lines += 10;
        view->setPlainText(QString(QStringLiteral("Zeile \\section{Titel} text\n")).repeated(lines));
    }
    auto printer = pdfPrinter(QStringLiteral("drei.pdf"));
    ASSERT_TRUE(printTo(view, printer.get()));
    const QString pdf = path(QStringLiteral("drei.pdf"));
    ASSERT_EQ(pdfPages(pdf), 3);
    for (int page = 1; page <= 3; ++page) {
        // Word order as poppler reads it; the line breaks it guesses do not matter.
        const QString text = pageText(pdf, page).simplified();
        EXPECT_TRUE(text.contains(QStringLiteral("Datei: ") + m_doc)) << page << ": " << text.right(200).toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Seite: %1").arg(page))) << page << ": " << text.right(200).toStdString();
    }
    EXPECT_FALSE(pageText(pdf, 3).simplified().contains(QStringLiteral("Seite: 2")));
    EXPECT_TRUE(m_prompter.messages.isEmpty());
}

TEST_F(PrintTest, EmptyHeaderLeavesTheTopToTheTextAndEmptyFooterPrintsNothing)
{
    CShellView *view = openLines(3);
    ASSERT_TRUE(view);
    auto withHeader = pdfPrinter(QStringLiteral("mit.pdf"));
    ASSERT_TRUE(printTo(view, withHeader.get()));
    m_settings->pageHeader.clear();
    m_settings->pageFooter.clear();
    auto bare = pdfPrinter(QStringLiteral("ohne.pdf"));
    ASSERT_TRUE(printTo(view, bare.get()));

    const double topMargin = 36.0; // half an inch in points
    const double bodyWithHeader = wordTop(path(QStringLiteral("mit.pdf")), QStringLiteral("Zeile1"));
    const double bodyAlone = wordTop(path(QStringLiteral("ohne.pdf")), QStringLiteral("Zeile1"));
    ASSERT_GT(bodyWithHeader, 0);
    ASSERT_GT(bodyAlone, 0);
    EXPECT_GE(bodyAlone, topMargin - 1);
    EXPECT_LT(bodyAlone, topMargin + 6) << "the text starts at the margin";
    EXPECT_GT(bodyWithHeader, bodyAlone + 6) << "the header band pushes the text down";
    const QString bareText = pageText(path(QStringLiteral("ohne.pdf")), 1);
    EXPECT_FALSE(bareText.contains(QStringLiteral("Datei")));
    EXPECT_FALSE(bareText.contains(QStringLiteral("Seite")));
    EXPECT_TRUE(bareText.contains(QStringLiteral("Zeile3")));
}

TEST_F(PrintTest, ColouringIsPrintedAsShownAndOnlyWhenOn)
{
    // Commands in pure blue.
    testsupport::writeFile(path(QStringLiteral("cfg/Scriblet.ini")),
                           "[Farben]\r\nSyntax Highlightning=1\r\nLaTex Befehle=16711680\r\n");
    CShellView *view = openLines(30);
    ASSERT_TRUE(view);
    auto blueOnPage = [this](const QString &name) {
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-f"),
                                         QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), path(name + QStringLiteral(".pdf")),
                                         path(name)});
        QImage img;
        for (const QString &candidate : {name + QStringLiteral("-1.png"), name + QStringLiteral("-01.png")})
            if (img.isNull())
                img.load(path(candidate));
        EXPECT_FALSE(img.isNull());
        int blue = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                blue += c.blue() - std::max(c.red(), c.green()) > 100;
            }
        return blue;
    };
    auto coloured = pdfPrinter(QStringLiteral("farbe.pdf"));
    ASSERT_TRUE(printTo(view, coloured.get()));
    EXPECT_GT(blueOnPage(QStringLiteral("farbe")), 20);

    m_settings->syntaxHighlighting = 0;
    view->colourRange(0, view->document()->textDocument()->characterCount() - 1);
    view->applyEditorSetup();
    auto plain = pdfPrinter(QStringLiteral("schwarz.pdf"));
    ASSERT_TRUE(printTo(view, plain.get()));
    EXPECT_EQ(blueOnPage(QStringLiteral("schwarz")), 0);
}

TEST_F(PrintTest, PageSetupDialogTakesTemplatesOnOkOnly)
{
    printFrame();
    // Print commands stand between the save commands and the recent files.
    const QList<QAction *> file = m_frame->menu(QStringLiteral("menuFile"))->actions();
    const auto at = [&file, this](int id) { return file.indexOf(cmd(id)); };
    EXPECT_GT(at(Cmd::FilePrint), at(Cmd::SaveAll));
    EXPECT_LT(at(Cmd::FilePrint), at(Cmd::FilePrintPreview));
    EXPECT_LT(at(Cmd::FilePrintPreview), at(Cmd::PageSetup));
    EXPECT_LT(at(Cmd::PageSetup), at(Cmd::FileMru1));
    EXPECT_EQ(cmd(Cmd::PageSetup)->text(), QStringLiteral("Se&ite einrichten"));

    auto answer = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            auto *d = qobject_cast<CPageSetupDlg *>(QApplication::activeModalWidget());
            ASSERT_TRUE(d);
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Seite einrichten"));
            auto *header = d->findChild<QLineEdit *>(QStringLiteral("editHeader"));
            auto *footer = d->findChild<QLineEdit *>(QStringLiteral("editFooter"));
            EXPECT_EQ(header->text(), QStringLiteral("Datei: &f"));
            EXPECT_EQ(footer->text(), QStringLiteral("Seite: &p"));
            header->setText(QStringLiteral("Kopf &f"));
            footer->setText(QStringLiteral("&p."));
            ok ? d->accept() : d->reject();
        });
    };
    answer(false);
    cmd(Cmd::PageSetup)->trigger();
    EXPECT_EQ(m_settings->pageHeader, QStringLiteral("Datei: &f"));
    answer(true);
    cmd(Cmd::PageSetup)->trigger();
    EXPECT_EQ(m_settings->pageHeader, QStringLiteral("Kopf &f"));
    EXPECT_EQ(m_settings->pageFooter, QStringLiteral("&p."));
}

} // namespace
