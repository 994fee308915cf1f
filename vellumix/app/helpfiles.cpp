#include "app/helpfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QList>

namespace HelpFiles {

Found programHelp(const QString &programDir)
{
    const QDir dir(programDir);
    if (QFileInfo(dir.filePath(ProgramHelpFile)).isFile())
        return {Found::Kind::HelpFile, dir.filePath(ProgramHelpFile)};
    if (QFileInfo(dir.filePath(Readme)).isFile())
        return {Found::Kind::Readme, dir.filePath(Readme)};
    return {};
}

QString latexHelpFile(const QString &programDir)
{
    const QString path = QDir(programDir).filePath(LatexHelpFile);
    return QFileInfo(path).isFile() ? path : QString();
}

QString bestTexdocMatch(const QByteArray &listing)
{
    for (const QByteArray &line : listing.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split('\t');
        if (fields.size() < 3)
            continue;
        bool ok = false;
        const double score = fields.at(1).toDouble(&ok);
        if (ok && score > 0 && !fields.at(2).isEmpty())
            return QString::fromLocal8Bit(fields.at(2));
    }
    return {};
}

} // namespace HelpFiles
