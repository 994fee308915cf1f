#include "common/settingslocation.h"

#include "common/vellumixsettings.h"
#include "platform/profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

EnvironmentLookup processEnvironment()
{
    return [](const QString &name) -> std::optional<QString> {
        const QByteArray key = name.toLocal8Bit();
        if (name.isEmpty() || !qEnvironmentVariableIsSet(key.constData()))
            return std::nullopt;
        return qEnvironmentVariable(key.constData());
    };
}

QString expandEnvironmentText(const QString &text, const EnvironmentLookup &env)
{
    QString result;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('%'), i);
        const qsizetype close = open >= 0 ? text.indexOf(QLatin1Char('%'), open + 1) : -1;
        if (open < 0 || close < 0) {
            result += text.mid(i);
            break;
        }
        result += text.mid(i, open - i);
        const std::optional<QString> value = env(text.mid(open + 1, close - open - 1));
        if (!value)
            return QString();
        result += *value;
        i = close + 1;
    }
    return result;
}

SettingsLocation SettingsLocation::resolve(const QString &programDir, const EnvironmentLookup &env)
{
    SettingsLocation loc;
    loc.programIni = QDir(programDir).filePath(QStringLiteral("Vellumix.ini"));
    loc.inUse = loc.programIni;
    loc.target = loc.programIni;
    const Profile program(loc.programIni);
    loc.programDirVersion = VellumixSettings::readVersion(program);
    const QString network = QStringLiteral("Network");
    if (program.getInt(network, QStringLiteral("network"), 0) == 0)
        return loc;

    QString user = expandEnvironmentText(program.getString(network, QStringLiteral("userIni")), env);
    if (user.isEmpty())
        user = expandEnvironmentText(program.getString(network, QStringLiteral("alternativeIni")), env);
    if (user.isEmpty()) {
        loc.unavailable = true;
        return loc;
    }
    const bool wildcard = user.contains(QLatin1Char('*')) || user.contains(QLatin1Char('?'));
    const QFileInfo info(user);
    if (!wildcard && info.isFile()) {
        loc.inUse = info.absoluteFilePath();
        loc.target = loc.inUse;
        return loc;
    }
    bool created = false;
    if (!wildcard && !info.exists() && QDir().mkpath(info.absolutePath())) {
        QFile file(info.absoluteFilePath());
        created = file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }
    if (!created) {
        loc.unavailable = true;
        loc.error = QString::fromLatin1(CouldNotCreateUserIniText);
        return loc;
    }
    loc.target = info.absoluteFilePath();
    return loc;
}
