// The document wizard's texts and its fields in section `Document`.
#include "vellumixfixture.h"

#include "platform/profile.h"
#include "templates/documentoptions.h"
#include "templates/documenttext.h"

#include <functional>

namespace {

using testsupport::readAll;

TEST(DocumentTextTest, AllDefaultsGiveThePreambleAndAnEmptyBody)
{
    const DocumentOptions o;
    EXPECT_EQ(DocumentText::before(o), QStringLiteral("\\documentclass[12pt,a4paper]{article}\r\n"
                                                      "\\usepackage{t1enc}\r\n"
                                                      "\\usepackage[latin1]{inputenc}\r\n"
                                                      "\\usepackage[english]{babel}\r\n"
                                                      "\\pagestyle{plain}\r\n"
                                                      "\r\n"
                                                      "\\begin{document}\r\n"
                                                      "\r\n"));
    EXPECT_EQ(DocumentText::after(o), QStringLiteral("\r\n\r\n\\end{document}"));
}

TEST(DocumentTextTest, EveryOptionInItsPlace)
{
    DocumentOptions o;
    o.documentClass = "book";
    o.fontSize = "10pt";
    o.paperSize = "b5paper";
    o.language = "german";
    o.graphics = o.twoColumns = o.twoSided = o.tableOfContents = o.inputFiles = true;
    o.pageStyle = "myheadings";
    o.leftHeader = "L";
    o.rightHeader = "R";
    o.columnSeparation = "1cm";
    o.rulerSize = "0.4pt";
    o.topMargin = "-1cm";
    o.leftMargin = "0pt";
    o.textWidth = "15cm";
    o.textHeight = "22cm";
    o.parSkip = "1ex";
    o.parIndent = "0pt";
    o.lineSpace = "14pt";
    o.title = "T";
    o.author1 = "A";
    o.author2 = "B";
    o.date = "today";
    EXPECT_EQ(DocumentText::before(o), QStringLiteral("\\documentclass[10pt,b5paper,twocolumn,twoside]{book}\r\n"
                                                      "\\usepackage{t1enc}\r\n"
                                                      "\\usepackage[latin1]{inputenc}\r\n"
                                                      "\\usepackage[german]{babel}\r\n"
                                                      "\\usepackage{graphics}\r\n"
                                                      "\\pagestyle{myheadings}\r\n"
                                                      "\\columnsep1cm\r\n"
                                                      "\\columnseprule0.4pt\r\n"
                                                      "\\markboth{L}{R}\r\n"
                                                      "\\topmargin-1cm\r\n"
                                                      "\\oddsidemargin0pt\r\n"
                                                      "\\textwidth15cm\r\n"
                                                      "\\textheight22cm\r\n"
                                                      "\\setlength{\\parskip}{1ex}\r\n"
                                                      "\\setlength{\\parindent}{0pt}\r\n"
                                                      "\r\n"
                                                      "\\begin{document}\r\n"
                                                      "\\baselineskip14pt\r\n"
                                                      "\r\n"
                                                      "\\title{T}\r\n"
                                                      "\\author{A \\and B}\r\n"
                                                      "\\maketitle\r\n"
                                                      "\r\n"
                                                      "\\tableofcontents\r\n"
                                                      "\r\n"
                                                      "\\input{"));
    // The caret stands inside the braces, before "filename".
    EXPECT_EQ(DocumentText::after(o), QStringLiteral("filename}\r\n\r\n\\end{document}"));
}

TEST(DocumentTextTest, EdgeCases)
{
    const struct {
        const char *what;
        std::function<void(DocumentOptions &)> set;
        const char *contains;     // in the before-text
        const char *notContains;  // never in it
    } cases[] = {
        {"headings with report one-sided marks the right header only",
         [](DocumentOptions &o) {
             o.pageStyle = "headings";
             o.documentClass = "report";
             o.leftHeader = "Left";
             o.rightHeader = "Right";
         },
         "\\pagestyle{headings}\r\n\\markright{Right}\r\n", "\\markboth"},
        {"headings with a book marks both sides",
         [](DocumentOptions &o) {
             o.pageStyle = "headings";
             o.documentClass = "book";
         },
         "\\markboth{}{}\r\n", "\\markright"},
        {"a page style that only starts like headings marks nothing",
         [](DocumentOptions &o) {
             o.pageStyle = "headingsx";
             o.twoSided = true;
         },
         "\\pagestyle{headingsx}\r\n\r\n\\begin{document}", "\\mark"},
        {"only a date still writes the title block",
         [](DocumentOptions &o) { o.date = "1 May"; },
         "\\begin{document}\r\n\r\n\\title{}\r\n\\author{}\r\n\\maketitle\r\n\r\n", "1 May"},
        {"column separation is ignored without two columns",
         [](DocumentOptions &o) {
             o.columnSeparation = "2cm";
             o.rulerSize = "1pt";
         },
         "\\pagestyle{plain}\r\n\r\n", "\\columnsep"},
        {"one author closes the author line at once",
         [](DocumentOptions &o) { o.author1 = "Ann"; },
         "\\author{Ann}\r\n\\maketitle", "\\and"},
    };
    for (const auto &c : cases) {
        DocumentOptions o;
        c.set(o);
        const QString before = DocumentText::before(o);
        EXPECT_TRUE(before.contains(QLatin1String(c.contains))) << c.what << "\n" << before.toStdString();
        EXPECT_FALSE(before.contains(QLatin1String(c.notContains))) << c.what << "\n" << before.toStdString();
    }
}

class DocumentOptionsTest : public testsupport::TempDirTest
{
};

TEST_F(DocumentOptionsTest, FieldsGoToSectionDocumentAndComeBack)
{
    Profile file(path("Vellumix.ini"));
    DocumentOptions read;
    read.read(file);
    EXPECT_EQ(read, DocumentOptions()) << "a missing key gives the default";

    DocumentOptions o;
    o.documentClass = "my class";
    o.twoColumns = true;
    o.title = QString::fromUtf8("Über");
    o.lineSpace = "1.5em";
    ASSERT_TRUE(o.write(file));
    const QByteArray bytes = readAll(path("Vellumix.ini"));
    for (const char *line : {"[Document]\r\n", "Class=my class\r\n", "TwoColumns=1\r\n", "TOC=0\r\n",
                             "LineSpace=1.5em\r\n", "PaperSize=a4paper\r\n", "Date=\r\n"})
        EXPECT_TRUE(bytes.contains(line)) << line;
    read.read(Profile(path("Vellumix.ini")));
    EXPECT_EQ(read, o);
}

TEST_F(DocumentOptionsTest, EveryFieldHasItsOwnKeyAndNameOnTheFivePages)
{
    EXPECT_EQ(documentTabs(), QStringList({"Global", "Page", "Paragraphs", "Layout", "Title"}));
    QStringList keys, names;
    for (const DocumentField &f : documentFields()) {
        keys << QString::fromLatin1(f.key).toLower();
        names << QString::fromLatin1(f.name);
    }
    EXPECT_EQ(keys.size(), 25);
    keys.removeDuplicates();
    names.removeDuplicates();
    EXPECT_EQ(keys.size(), 25);
    EXPECT_EQ(names.size(), 25);
}

} // namespace
