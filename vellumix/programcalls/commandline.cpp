#include "programcalls/commandline.h"

#include "platform/hostprocess.h"

ProgramCommand splitProgramCommand(const QString &commandLine)
{
    ProgramCommand cmd;
    if (commandLine.startsWith(QLatin1Char('"'))) {
        const qsizetype close = commandLine.indexOf(QLatin1Char('"'), 1);
        if (close < 0) {
            cmd.program = commandLine.mid(1);
            return cmd;
        }
        cmd.program = commandLine.mid(1, close - 1);
        // The character right after the closing quote is the separator.
        cmd.parameters = commandLine.mid(close + 2);
        return cmd;
    }
    const qsizetype blank = commandLine.indexOf(QLatin1Char(' '));
    if (blank < 0) {
        cmd.program = commandLine;
        return cmd;
    }
    cmd.program = commandLine.left(blank);
    cmd.parameters = commandLine.mid(blank + 1);
    return cmd;
}

bool commandNamesTexFile(const QString &commandLine)
{
    const QString lower = commandLine.toLower();
    return lower.contains(QLatin1String(".txx")) || lower.contains(QLatin1String(".tex"));
}

CommandLine CommandLine::fromTemplate(const QString &templ, const PlaceholderContext &ctx)
{
    const ProgramCommand split = splitProgramCommand(templ);
    const QStringList pieces = QStringList{split.program} + HostProcess::splitCommandLine(split.parameters);
    const QList<ExpandedPiece> expanded = expandPlaceholders(pieces, ctx);
    CommandLine cmd;
    cmd.text = expandPlaceholders(templ, ctx);
    for (int i = 0; i < expanded.size(); ++i) {
        QString piece = expanded.at(i).text;
        // A value that starts with "-" is a file name, never an option.
        if (expanded.at(i).startsWithValue && piece.startsWith(QLatin1Char('-')))
            piece.prepend(QLatin1String("./"));
        if (i == 0)
            cmd.program = piece;
        else
            cmd.arguments << piece;
    }
    return cmd;
}

CommandLine CommandLine::fromText(const QString &line)
{
    const ProgramCommand split = splitProgramCommand(line);
    return {split.program, HostProcess::splitCommandLine(split.parameters), line};
}

CommandLine CommandLine::ofPath(const QString &path)
{
    return {path, {}, path};
}
