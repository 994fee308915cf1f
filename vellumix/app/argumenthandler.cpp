#include "app/argumenthandler.h"

#include "common/filenames.h"

#include <QDir>
#include <QFileInfo>

namespace {

// On this host every absolute path starts with '/', so "contains /m" would take
// "/home/me/main.tex" for the switch: the switches are recognised only at the start
// of an argument, and "/m" only on its own.
bool isMainSwitch(const QString &text) { return text == QStringLiteral("/m"); }
bool isLineSwitch(const QString &text) { return text.startsWith(QStringLiteral("/l=")); }
bool isFormatSwitch(const QString &text) { return text.startsWith(QStringLiteral("/f=")); }

} // namespace

QString ArgumentHandler::conversionError(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

ArgumentHandler::Outcome ArgumentHandler::handle(const QString &text, const PlaceholderContext &ctx)
{
    Outcome out;
    if (isMainSwitch(text)) {
        m_main = true;
        return out;
    }
    if (isLineSwitch(text)) {
        const QString number = text.mid(3);
        bool ok = false;
        const int line = number.trimmed().toInt(&ok);
        if (!ok)
            out.error = conversionError(number);
        else
            m_line = line;
        return out;
    }
    if (isFormatSwitch(text)) {
        m_format = text.mid(3).toLower();
        return out;
    }
    OpenRequest req;
    req.path = expandPlaceholders(text, ctx);
    if (m_format == QStringLiteral("dos"))
        req.format = OpenFormat::DosOem;
    else if (m_format == QStringLiteral("unix"))
        req.format = OpenFormat::Unix;
    req.line = m_line;
    req.makeMain = m_main;
    out.open = req;
    m_line = 1;
    m_format.clear();
    m_main = false;
    return out;
}

QStringList absoluteFileArguments(const QStringList &args, const QString &workingDir)
{
    QStringList result;
    const QDir dir(workingDir);
    for (const QString &a : args) {
        if (a.isEmpty() || isMainSwitch(a) || isLineSwitch(a) || isFormatSwitch(a) || a.startsWith(QLatin1Char('/'))
            || a.startsWith(QLatin1Char('%')))
            result.append(a);
        else
            result.append(QDir::cleanPath(dir.absoluteFilePath(a)));
    }
    return result;
}

QString resolveOpenPath(const QString &path, bool lineSpecials, const QString &workingDir)
{
    if (path.isEmpty())
        return QString();
    QString full = QDir::cleanPath(QDir(workingDir).absoluteFilePath(path));
    if (!QFileInfo(full).isFile())
        full = FileNames::changeExtension(full, QStringLiteral(".tex"));
    if (lineSpecials && full.endsWith(QStringLiteral(".txx")))
        full = FileNames::changeExtension(full, QStringLiteral(".tex"));
    return QFileInfo(full).isFile() ? full : QString();
}
