#include "app/cshellcommandlineinfo.h"

#include "platform/profile.h"
#include "platform/textcodec.h"

void CShellCommandLineInfo::parse(const QStringList &args)
{
    static const QStringList switches = {QStringLiteral("p"), QStringLiteral("m"), QStringLiteral("c"),
                                         QStringLiteral("l")};
    for (const QString &a : args) {
        // Absolute paths begin with '/' on this host: '/' introduces only the four
        // switches themselves, '-' any switch.
        const bool isSwitch = a.size() > 1
            && (a.startsWith(u'-') || (a.startsWith(u'/') && switches.contains(a.mid(1))));
        // A lone "/" or "-" is a plain parameter; a switch loses its lead character.
        parseParam(isSwitch ? a.mid(1) : a, isSwitch);
    }
}

void CShellCommandLineInfo::parseParam(const QString &param, bool isSwitch)
{
    if (param.endsWith(QLatin1String("sbp")))
        m_nextIsProject = true;
    if (isSwitch) {
        if (param == QLatin1String("p"))
            m_nextIsProject = true;
        else if (param == QLatin1String("m"))
            m_nextIsMainDoc = true;
        else if (param == QLatin1String("l"))
            m_nextIsLine = true;
        // "c": the next plain parameter is the file, as it would be anyway.
        return;
    }
    if (m_nextIsProject) {
        projectPath = param;
        m_nextIsProject = false;
    } else if (m_nextIsMainDoc) {
        mainDocPath = param;
        m_nextIsMainDoc = false;
    } else if (m_nextIsLine) {
        lineNumber = Profile::parseInt(param.toLatin1());
        m_nextIsLine = false;
    } else {
        filePath = param;
    }
}

const QByteArray CShellCommandLineInfo::FieldsMarker = QByteArray("\0SCRIBLET_FIELDS\0", 17);

QByteArray CShellCommandLineInfo::handOverMessage() const
{
    const QByteArray fields[] = {projectPath.toUtf8(), mainDocPath.toUtf8(), filePath.toUtf8(),
                                 QByteArray::number(lineNumber)};
    const bool semicolon = fields[0].contains(';') || fields[1].contains(';') || fields[2].contains(';');
    QByteArray m = semicolon ? FieldsMarker : QByteArray();
    for (int i = 0; i < 4; ++i) {
        m += fields[i];
        if (semicolon)
            m += '\0';
        else if (i < 3)
            m += ';';
    }
    if (!semicolon)
        m.append('\0');
    return m;
}

CShellCommandLineInfo CShellCommandLineInfo::fromHandOver(const QByteArray &message)
{
    QList<QByteArray> parts;
    bool ambiguous = false;
    if (message.startsWith(FieldsMarker)) {
        parts = message.mid(FieldsMarker.size()).split('\0');
    } else {
        QByteArray data = message;
        const qsizetype nul = data.indexOf('\0');
        if (nul >= 0)
            data.truncate(nul);
        parts = data.split(';');
        ambiguous = parts.size() > 4;
    }
    auto field = [&](int i) {
        return i < parts.size() ? TextCodec::decodeDetected(parts.at(i)) : QString();
    };
    CShellCommandLineInfo info;
    info.projectPath = field(0);
    info.mainDocPath = field(1);
    info.filePath = field(2);
    info.lineNumber = parts.size() > 3 ? Profile::parseInt(parts.at(3).left(64)) : 0;
    info.ambiguous = ambiguous;
    return info;
}
