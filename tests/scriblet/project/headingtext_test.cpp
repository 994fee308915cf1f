// The text of a heading without its markup, from the ".toc" file and from the
// sources alike, and the arguments of a heading command in the sources.
#include "project/headingtext.h"

#include "testsupport.h"

namespace {

TEST(HeadingText, MarkupIsLeftAsideTheTextStays)
{
    struct Row { const char *name; const char *tex; const char *plain; };
    const Row rows[] = {
        {"plain title", "Einleitung", "Einleitung"},
        {"toc spacing of a command", "Grundlagen der \\textbf {Methode}", "Grundlagen der Methode"},
        {"source spacing of a command", "Grundlagen der \\textbf{Methode}", "Grundlagen der Methode"},
        {"nested markup", "\\emph{sehr \\textit{wichtige}} Dinge", "sehr wichtige Dinge"},
        {"protect and relax", "\\protect \\emph {A}\\relax{} B", "A B"},
        {"texorpdfstring keeps its TeX side", "\\texorpdfstring {$\\alpha $-Zerfall}{alpha-Zerfall}", "$\\alpha$-Zerfall"},
        {"math blanks", "Die Formel $a + b$", "Die Formel $a+b$"},
        {"accents", "\\\"Uber \\'etudes, \\c{c}a und \\\"{o}", "Über études, ça und ö"},
        {"old LaTeX's IeC", "Gr\\IeC {\\\"o}\\IeC {\\ss }e", "Größe"},
        {"logos and symbols", "\\LaTeX {} und \\TeX\\ mit 5\\,\\% \\& mehr\\ldots", "LaTeX und TeX mit 5 % & mehr..."},
        {"ties and line breaks", "Ein~langer\\\\ Titel\n  auf zwei Zeilen", "Ein langer Titel auf zwei Zeilen"},
        {"arguments that are not shown", "Titel\\label{sec:x}\\index{Titel}\\footnote{Fu\\ss note}", "Titel"},
        {"colour", "\\textcolor{red}{Rot} und \\color{blue}blau", "Rot und blau"},
        {"comments in a wrapped title", "Ein Titel % mit Kommentar\n  geht weiter", "Ein Titel geht weiter"},
        {"escaped specials", "50\\% \\_ \\# \\$ \\{x\\}", "50% _ # $ {x}"},
        {"unbalanced braces do not hang", "offen {ohne Ende", "offen ohne Ende"},
        {"a lone backslash at the end", "Ende\\", "Ende"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(HeadingText::plain(QString::fromUtf8(r.tex)), QString::fromUtf8(r.plain)) << r.name;
}

TEST(HeadingText, ArgumentsOfAHeadingCommand)
{
    struct Row {
        const char *name;
        const char *text;
        bool found;
        const char *shortTitle;
        const char *title;
    };
    const Row rows[] = {
        {"plain", "\\section{Titel}", true, "", "Titel"},
        {"starred with blanks", "\\section* {Titel}", true, "", "Titel"},
        {"short title", "\\section[Kurz]{Ein langer Titel}", true, "Kurz", "Ein langer Titel"},
        {"short title with a bracket in braces", "\\section[Kurz {[x]}]{Lang}", true, "Kurz {[x]}", "Lang"},
        {"title over two lines", "\\section{Ein Titel, der\n  weitergeht}\nText", true, "", "Ein Titel, der\n  weitergeht"},
        {"nested braces", "\\section{A \\textbf{B} C}", true, "", "A \\textbf{B} C"},
        {"a comment hides a brace", "\\section{A % }\nB}", true, "", "A % }\nB"},
        {"another command", "\\sectionmark{Titel}", false, "", ""},
        {"no argument", "\\section", false, "", ""},
        {"never closed", "\\section{Titel", false, "", ""},
    };
    for (const Row &r : rows) {
        QString shortTitle = QStringLiteral("old");
        QString title;
        const QString text = QString::fromUtf8(r.text);
        EXPECT_EQ(HeadingText::headingArguments(text, 0, QStringLiteral("\\section"), &shortTitle, &title), r.found)
            << r.name;
        if (r.found) {
            EXPECT_EQ(shortTitle, QString::fromUtf8(r.shortTitle)) << r.name;
            EXPECT_EQ(title, QString::fromUtf8(r.title)) << r.name;
        }
    }
}

} // namespace
