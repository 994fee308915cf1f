// A settings object on a fresh "Scriblet.ini" in the given directory, with the
// tool defaults read as the main frame reads them and the viewers given.
#pragma once

#include "app/cshellsettings.h"

#include <memory>

inline std::unique_ptr<CShellSettings> makeToolSettings(const QString &dir, const QString &dviViewer,
                                                        const QString &psViewer)
{
    auto s = std::make_unique<CShellSettings>(dir);
    s->dviViewerLookup = [dviViewer] { return dviViewer; };
    s->psViewerLookup = [psViewer] { return psViewer; };
    s->readToolSettings();
    s->readMainDocument();
    s->readUserTools();
    return s;
}
