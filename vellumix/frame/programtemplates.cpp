#include "frame/programtemplates.h"

#include "platform/profile.h"

namespace {
const QString Section = QStringLiteral("TeX");
const QString CompileKey = QStringLiteral("Compile");
const QString LogFileKey = QStringLiteral("LogFile");
const QString PreviewKey = QStringLiteral("Preview");
} // namespace

ProgramTemplates ProgramTemplates::read(const Profile &profile)
{
    const ProgramTemplates def;
    ProgramTemplates t;
    t.compile = profile.getString(Section, CompileKey, def.compile);
    t.logFile = profile.getString(Section, LogFileKey, def.logFile);
    t.preview = profile.getString(Section, PreviewKey, def.preview);
    return t;
}

bool ProgramTemplates::write(Profile &profile) const
{
    return profile.writeString(Section, CompileKey, compile)
        && profile.writeString(Section, LogFileKey, logFile)
        && profile.writeString(Section, PreviewKey, preview);
}
