// Texts of the tool runner, the log pane and the tool dialogs, each under the
// number the string table gives it. Texts are quoted exactly (UTF-8 source).
#pragma once

#include <QString>
#include <QStringList>

namespace ToolStrings {

struct Entry {
    int id;
    const char *text;
    QString str() const { return QString::fromUtf8(text); }
};

// Messages of the tool runner (message boxes with the exclamation icon).
inline constexpr Entry NoCmdLine{32993, "Keine CMD-Zeile angegeben!\nBitte die Einstellungen überprüfen!"};
inline constexpr Entry NoExeFile{32994, "Keine EXE-Datei angegeben!\nBitte die Einstellungen überprüfen!"};
inline constexpr Entry NoMainDocument{32995, "Das Haupt-TeX-Dokument ist nicht angegeben!\nBitte die Einstellungen überprüfen!"};
inline constexpr Entry StartFailed{32996, "Ein oder mehr Fehler traten auf!\nBitte die Einstellungen überprüfen!"};
inline constexpr Entry NoCurrentDocument{33004, "Es existiert kein aktuelles TeX-Dokument!\nBitte laden Sie eine Datei!"};
inline constexpr Entry LogNotLoaded{32999, "Log-Datei konnte nicht geladen werden !"};

// Status bar.
inline constexpr Entry MainDocumentPane{33107, "Haupt-TeX-Dokument :  "};
inline constexpr Entry CurrentDocument{33106, "aktuelles"};
inline constexpr Entry ToolRunning{33109, "%s wird ausgeführt..."};

// Main-document dialog (resource 844).
inline constexpr Entry MainDocumentFilter{33080, "TeX-Dateien (*.tex)|*.tex|Alle Dateien (*.*)|*.*|"};
inline constexpr Entry MainDocumentTitle{33081, "Haupt-TeX-Dokument"};

// Program-calls dialog.
inline constexpr Entry ProgramCallsCaption{32997, "Programmaufrufe"};
inline constexpr Entry ExeFilter{33110, "EXE-Dateien (*.exe)|*.exe|Alle Dateien (*.*)|*.*|"};
inline constexpr Entry UserExeTitle{33111, "Execute-Datei"};
inline constexpr Entry LatexExeTitle{33112, "LaTeX-Execute-Datei"};
inline constexpr Entry BibtexExeTitle{33113, "BibTeX-Execute-Datei"};
inline constexpr Entry DvipsExeTitle{33114, "DviPs-Execute-Datei"};
inline constexpr Entry DviWinExeTitle{33115, "DviWin-Execute-Datei"};
inline constexpr Entry GhostViewExeTitle{33116, "GhostView-Execute-Datei"};

// Status-bar pane text for the main document: 33107 followed by the name, or 33106.
inline QString mainDocumentStatus(const QString &maintex)
{
    return MainDocumentPane.str() + (maintex.isEmpty() ? CurrentDocument.str() : maintex);
}

// 33109 with the tool's name.
inline QString toolRunning(const QString &toolName)
{
    return ToolRunning.str().replace(QLatin1String("%s"), toolName);
}

// A filter in the old "Name|pattern|Name|pattern|" form as a Qt file-dialog filter.
inline QString qtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            continue;
        // Qt lists the patterns in the name's parentheses; "*.*" means every file,
        // also those without an extension.
        QString name = parts[i].trimmed();
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (const qsizetype open = name.indexOf(QLatin1Char('(')); open >= 0)
            name = name.left(open).trimmed();
        patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        out << name + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

} // namespace ToolStrings
