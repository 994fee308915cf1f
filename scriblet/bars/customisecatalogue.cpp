#include "bars/customisecatalogue.h"

#include "common/commandids.h"
#include "resources/strings.h"

namespace CustomiseCatalogue {

namespace {

CatalogueCategory mainImages(const QString &name, const QList<std::pair<int, int>> &commands)
{
    CatalogueCategory c{name, {}};
    for (const auto &[id, image] : commands)
        c.entries.append({id, ImageSource::Main, image, QString()});
    return c;
}

CatalogueCategory userImages(const QString &name, int firstId, ImageSource source, const QStringList &names)
{
    CatalogueCategory c{name, {}};
    for (int i = 0; i < 10; ++i)
        c.entries.append({firstId + i, source, i, names.value(i)});
    return c;
}

} // namespace

QList<CatalogueCategory> build(const QStringList &toolNames, const QStringList &macroNames)
{
    using namespace Cmd;
    return {
        mainImages(QStringLiteral("Standard"),
                   {{FileNew, 0}, {FileOpen, 1}, {FileClose, 2}, {FileSave, 3}, {SaveAll, 4}, {FilePrint, 5},
                    {EditCut, 6}, {EditCopy, 7}, {EditPaste, 8}, {About, 25}, {ContextHelp, 26}, {Exit, 27}}),
        mainImages(QStringLiteral("LaTeX"),
                   {{RunLatex, 9}, {RunBibtex, 10}, {RunDviViewer, 11}, {RunDvips, 12}, {RunPsViewer, 13}}),
        mainImages(Str::text(Str::CategorySettings), {{ProgramCalls, 14}, {MainDocument, 15}}),
        mainImages(Str::text(Str::CategoryBars),
                   {{ViewArrowsBar, 18}, {ViewBinaryOpsBar, 19}, {ViewAccentsBar, 20}, {ViewRelationsBar, 21},
                    {ViewGreekBar, 22}, {ViewOtherSymbolsBar, 23}, {ViewMacroBar, 24}}),
        mainImages(Str::text(Str::CategoryView), {{ViewProjectBar, 16}, {ViewLogBar, 17}}),
        userImages(Str::text(Str::CategoryUserTools), UserTool1, ImageSource::Tools, toolNames),
        userImages(Str::text(Str::CategoryUserMacros), Macro1, ImageSource::Macros, macroNames),
    };
}

} // namespace CustomiseCatalogue
