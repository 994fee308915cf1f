#include "project/findheading.h"

#include "common/prompter.h"
#include "platform/textcodec.h"
#include "project/cproject.h"
#include "project/headingtext.h"
#include "project/projecthost.h"
#include "project/toctable.h"
#include "resources/strings.h"

#include <QFile>

namespace {

QString commandForLevel(int level)
{
    switch (level) {
    case 1: return QStringLiteral("\\section");
    case 2: return QStringLiteral("\\subsection");
    case 3: return QStringLiteral("\\subsubsection");
    default: return QStringLiteral("\\chapter");
    }
}

// A "%" before `at` that no backslash escapes makes the rest of the line a comment.
bool isCommentedOut(QStringView line, qsizetype at)
{
    for (qsizetype i = 0; i < at; ++i) {
        if (line[i] == u'\\')
            ++i;
        else if (line[i] == u'%')
            return true;
    }
    return false;
}

// The heading command at `at` of the line (content[lineStart + at]) gives the
// heading whose text is one of the wanted ones: its markup, blanks and line breaks
// do not count, and its short title ("\section[Kurz]{Lang}") is what the ".toc" holds.
bool headingMatches(const QString &content, qsizetype lineStart, QStringView line, const QString &command,
                    const QStringList &wanted)
{
    for (qsizetype at = line.indexOf(command); at >= 0 && !isCommentedOut(line, at);
         at = line.indexOf(command, at + 1)) {
        QString shortTitle;
        QString title;
        if (!HeadingText::headingArguments(content, lineStart + at, command, &shortTitle, &title))
            continue;
        for (const QString &argument : {shortTitle, title}) {
            const QString text = HeadingText::plain(argument);
            if (!text.isEmpty() && wanted.contains(text))
                return true;
        }
    }
    return false;
}

} // namespace

QString spellTitle(const QString &title, const QStringList &umlauts)
{
    static const char16_t letters[] = {u'ä', u'Ä', u'ö', u'Ö', u'ü', u'Ü', u'ß'};
    QString out;
    out.reserve(title.size());
    for (const QChar c : title) {
        int index = -1;
        for (int i = 0; i < 7; ++i) {
            if (c.unicode() == letters[i])
                index = i;
        }
        if (index >= 0 && index < umlauts.size())
            out += umlauts.at(index);
        else
            out += c;
    }
    return out;
}

std::optional<HeadingLocation> locateHeading(const TocTable &table, const CProject &project,
                                             const QString &text, const QStringList &umlauts,
                                             const std::function<void(const QString &)> &message)
{
    for (const TocEntry &row : table.headings) {
        if (!row.displayText().contains(text))
            continue;
        const QString command = commandForLevel(row.level);
        const QString spelled = spellTitle(row.title, umlauts);
        const QStringList wanted{HeadingText::plain(row.title), HeadingText::plain(spelled)};
        for (int slot = 0; slot < project.entryCount(); ++slot) {
            const QString path = project.absolutePath(slot);
            if (!project.path(slot).toLower().endsWith(QLatin1String("tex")))
                continue;
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                if (message)
                    message(Str::text(Str::ErrorReadingFile));
                continue;
            }
            const QString content = TextCodec::decodeDetected(file.readAll());
            file.close();
            int lineNumber = 0;
            qsizetype pos = 0;
            while (pos <= content.size()) {
                qsizetype lf = content.indexOf(QLatin1Char('\n'), pos);
                if (lf < 0)
                    lf = content.size();
                const QStringView line = QStringView(content).mid(pos, lf - pos);
                ++lineNumber;
                // A heading in a comment is none.
                const qsizetype at = line.indexOf(command);
                if (at >= 0 && !isCommentedOut(line, at)) {
                    if (line.contains(spelled))
                        return HeadingLocation{path, lineNumber, spelled, command};
                    if (line.contains(row.title))
                        return HeadingLocation{path, lineNumber, row.title, command};
                    // The view finds the line again by its own text.
                    if (headingMatches(content, pos, line, command, wanted))
                        return HeadingLocation{path, lineNumber, line.left(255).trimmed().toString(), command};
                }
                pos = lf + 1;
            }
        }
    }
    return std::nullopt;
}

bool FindHeading(const TocTable &table, const CProject &project, const QString &text, ProjectHost &host,
                 Prompter &prompter)
{
    const auto location = locateHeading(table, project, text, host.umlautReplacements(),
                                        [&prompter](const QString &m) { prompter.message(m); });
    if (!location) {
        prompter.message(Str::text(Str::HeadingNotFound));
        return false;
    }
    host.openDocument(location->path, location->line, location->searchText, location->command);
    return true;
}
