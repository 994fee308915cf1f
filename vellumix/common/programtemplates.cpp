#include "common/programtemplates.h"

#include "platform/associations.h"
#include "platform/hostprocess.h"

QString ProgramTemplates::previewWith(const QString &viewer)
{
    const bool quote = viewer.contains(QLatin1Char(' '));
    return (quote ? QLatin1Char('"') + viewer + QLatin1Char('"') : viewer) + QStringLiteral(" \"%P%F.dvi\"");
}

QString ProgramTemplates::hostPreview()
{
    static const QString preview = previewWith(Associations::defaultDviViewer());
    return preview;
}

void ProgramTemplates::adaptToHost()
{
    if (preview == QString::fromUtf16(WindowsPreview) && HostProcess::findProgram(QStringLiteral("yap")).isEmpty())
        preview = hostPreview();
}
