// Where the help commands find their help: Help > "Vellumix..." (F1) the program's
// help file, else the README beside the program; Help > "LaTeX..." (Ctrl+F1) the
// LaTeX help file beside the program, else the LaTeX reference that texdoc knows.
// When nothing is there, the messages below say so plainly.
#pragma once

#include <QByteArray>
#include <QString>

namespace HelpFiles {

inline const QString ProgramHelpFile = QStringLiteral("Vellumix.hlp");
inline const QString LatexHelpFile = QStringLiteral("LaTeX2e.hlp");
inline const QString Readme = QStringLiteral("README.md");
// texdoc's name of the LaTeX reference manual.
inline const QString LatexReference = QStringLiteral("latex2e");

struct Found {
    enum class Kind { None, HelpFile, Readme };
    Kind kind = Kind::None;
    QString path;
};

// F1: Vellumix.hlp in programDir, else README.md there.
Found programHelp(const QString &programDir);
// Ctrl+F1: LaTeX2e.hlp in programDir; empty when it is not there.
QString latexHelpFile(const QString &programDir);

// The document of a texdoc listing ("texdoc -l -M": one line per document, fields
// separated by tabs: name, score, path, ...) that texdoc itself counts as a match
// (score above 0): the first such line, which texdoc ranks best. Empty when none.
QString bestTexdocMatch(const QByteArray &listing);

inline const QString NoProgramHelp =
    QStringLiteral("No help is installed: neither Vellumix.hlp nor README.md was found in %1.");
inline const QString NoLatexHelp =
    QStringLiteral("No LaTeX help is installed: there is no LaTeX2e.hlp in %1, and texdoc knows no "
                   "LaTeX reference (latex2e).");
inline const QString NoTexdoc =
    QStringLiteral("No LaTeX help is installed: there is no LaTeX2e.hlp in %1, and texdoc could not be run (%2).");
inline const QString UnableToOpenHelp = QStringLiteral("Unable to open the help file %1:\r\n%2");
inline const QString LookingForLatexHelp = QStringLiteral("Looking for the LaTeX reference ...");

} // namespace HelpFiles
