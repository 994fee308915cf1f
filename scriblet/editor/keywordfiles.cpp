#include "editor/keywordfiles.h"

#include "common/cshellsettings.h"
#include "platform/paths.h"
#include "platform/savefile.h"
#include "platform/textcodec.h"
#include "platform/textfile.h"
#include "resources/strings.h"

#include <QFile>
#include <QFileInfo>

namespace KeywordFiles {

namespace {

// More than any keyword file needs; a larger file is read this far.
constexpr qint64 MaxRead = 8 * 1024 * 1024;

QByteArray withCrLf(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace("\n", "\r\n");
    return bytes;
}

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

bool readFile(const QString &path, QByteArray *bytes)
{
    // A FIFO or a device would block the start; only regular files are read.
    if (!TextFile::isReadableRegularFile(path))
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *bytes = f.read(MaxRead);
    return f.error() == QFileDevice::NoError;
}

} // namespace

QByteArray defaultCommands()
{
    return withCrLf(Str::text(Str::DefaultCommands1) + Str::text(Str::DefaultCommands2)
                    + Str::text(Str::DefaultCommands3));
}

QByteArray defaultEnvironments() { return withCrLf(Str::text(Str::DefaultEnvironments)); }

QStringList parse(const QByteArray &bytes)
{
    QStringList out;
    const QString text = TextCodec::decodeDetected(bytes);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QStringView line = QStringView(text).mid(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype nul = line.indexOf(QChar(0));
        if (nul >= 0)
            line.truncate(nul);
        line.truncate(std::min<qsizetype>(line.size(), MaxLineLength));
        if (!line.isEmpty())
            out.append(line.toString());
        start = end + 1;
    }
    return out;
}

Lists build(const QStringList &commands, const QStringList &environments)
{
    Lists lists;
    for (const QString &k : commands) {
        lists.commandList += QStringLiteral(" \\") + k;
        if (k.size() == 1 && !isAsciiLetter(k.at(0)))
            lists.controlSymbols += k;
    }
    for (const QString &k : environments)
        lists.environmentList += QLatin1Char(' ') + k;
    return lists;
}

QStringList readOrCreate(const QString &settingsDir, const char *fileName, const QByteArray &defaults)
{
    const QString path = Paths::withTrailingSlash(settingsDir) + QString::fromLatin1(fileName);
    QByteArray bytes;
    if (readFile(path, &bytes))
        return parse(bytes);
    // Only a missing file is written: one that exists but cannot be read is the
    // user's and stays as it is.
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink() && SaveFile::write(path, defaults)
        && readFile(path, &bytes))
        return parse(bytes);
    return parse(defaults);
}

void load(CShellSettings &settings)
{
    const Lists lists = build(readOrCreate(settings.settingsDir(), CommandsFile, defaultCommands()),
                              readOrCreate(settings.settingsDir(), EnvironmentsFile, defaultEnvironments()));
    settings.commandList = lists.commandList;
    settings.controlSymbols = lists.controlSymbols;
    settings.environmentList = lists.environmentList;
}

} // namespace KeywordFiles
