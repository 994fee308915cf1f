#include "templates/documenttext.h"

#include "templates/documentoptions.h"

namespace DocumentText {

namespace {
const QString NL = QStringLiteral("\r\n");
}

QString before(const DocumentOptions &o)
{
    QString t = QStringLiteral("\\documentclass[") + o.fontSize + QLatin1Char(',') + o.paperSize;
    if (o.twoColumns)
        t += QStringLiteral(",twocolumn");
    if (o.twoSided)
        t += QStringLiteral(",twoside");
    t += QStringLiteral("]{") + o.documentClass + QLatin1Char('}') + NL;
    t += QStringLiteral("\\usepackage{t1enc}") + NL;
    t += QStringLiteral("\\usepackage[latin1]{inputenc}") + NL;
    t += QStringLiteral("\\usepackage[") + o.language + QStringLiteral("]{babel}") + NL;
    if (o.graphics)
        t += QStringLiteral("\\usepackage{graphics}") + NL;
    t += QStringLiteral("\\pagestyle{") + o.pageStyle + QLatin1Char('}') + NL;

    // The value follows the command name directly, as typed.
    auto ifSet = [&t](const char *command, const QString &v) {
        if (!v.isEmpty())
            t += QLatin1String(command) + v + NL;
    };
    if (o.twoColumns) {
        ifSet("\\columnsep", o.columnSeparation);
        ifSet("\\columnseprule", o.rulerSize);
    }
    if (o.pageStyle == QLatin1String("headings") || o.pageStyle == QLatin1String("myheadings")) {
        if (o.documentClass == QLatin1String("book") || o.twoSided)
            t += QStringLiteral("\\markboth{") + o.leftHeader + QStringLiteral("}{") + o.rightHeader + QLatin1Char('}') + NL;
        else
            t += QStringLiteral("\\markright{") + o.rightHeader + QLatin1Char('}') + NL;
    }
    ifSet("\\topmargin", o.topMargin);
    ifSet("\\oddsidemargin", o.leftMargin);
    ifSet("\\textwidth", o.textWidth);
    ifSet("\\textheight", o.textHeight);
    if (!o.parSkip.isEmpty())
        t += QStringLiteral("\\setlength{\\parskip}{") + o.parSkip + QLatin1Char('}') + NL;
    if (!o.parIndent.isEmpty())
        t += QStringLiteral("\\setlength{\\parindent}{") + o.parIndent + QLatin1Char('}') + NL;
    t += NL + QStringLiteral("\\begin{document}") + NL;
    ifSet("\\baselineskip", o.lineSpace);
    t += NL;
    // The date only decides whether there is a title block; it is not written.
    if (!o.title.isEmpty() || !o.author1.isEmpty() || !o.author2.isEmpty() || !o.date.isEmpty()) {
        t += QStringLiteral("\\title{") + o.title + QLatin1Char('}') + NL + QStringLiteral("\\author{") + o.author1;
        if (!o.author2.isEmpty())
            t += QStringLiteral(" \\and ") + o.author2;
        t += QLatin1Char('}') + NL + QStringLiteral("\\maketitle") + NL + NL;
    }
    if (o.tableOfContents)
        t += QStringLiteral("\\tableofcontents") + NL;
    if (o.inputFiles)
        t += NL + QStringLiteral("\\input{");
    return t;
}

QString after(const DocumentOptions &o)
{
    return (o.inputFiles ? QStringLiteral("filename}") : QString()) + NL + NL + QStringLiteral("\\end{document}");
}

} // namespace DocumentText
