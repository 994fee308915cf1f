#include "bars/toolbarlayout.h"

#include "common/commandids.h"
#include "editor/symbols.h"

#include <utility>

namespace ToolbarLayout {

const QList<int> &mainToolbar()
{
    using namespace Cmd;
    static const QList<int> ids = {
        FileNew,       FileOpen,     FileSave,       SaveAll,          Separator,
        EditCut,       EditCopy,     EditPaste,      Separator,        FilePrint,
        Separator,     RunLatex,     RunBibtex,      RunDviViewer,     RunDvips,
        RunPsViewer,   Separator,    ViewArrowsBar,  ViewBinaryOpsBar, ViewAccentsBar,
        ViewRelationsBar, ViewGreekBar, ViewOtherSymbolsBar, ViewMacroBar,
    };
    return ids;
}

const QList<int> &barIds()
{
    using namespace Cmd;
    static const QList<int> ids = {BarMain,  BarArrows,       BarAccents,   BarBinaryOps,
                                   BarGreek, BarOtherSymbols, BarRelations, BarMacros};
    return ids;
}

int barIndex(int barId) { return int(barIds().indexOf(barId)); }

BarButtons builtin(int barId)
{
    QList<BarButton> out;
    if (barId == Cmd::BarMain) {
        bool group = false;
        for (int id : mainToolbar()) {
            if (id == Separator)
                group = true;
            else
                out.append({id, ButtonStyle::Image, std::exchange(group, false), QString()});
        }
    } else if (barId == Cmd::BarMacros) {
        for (int i = 0; i < 10; ++i)
            out.append({Cmd::Macro1 + i, ButtonStyle::ImageAndText, false, QString()});
    } else {
        for (const SymbolBar &sb : Symbols::bars())
            if (sb.barId == barId)
                for (const SymbolCommand &c : sb.commands)
                    out.append({c.id, ButtonStyle::Image, c.group, QString()});
    }
    return BarButtons(out);
}

QList<QList<int>> rows(const QList<int> &widths, int available)
{
    QList<QList<int>> out;
    QList<int> used;
    for (int i = 0; i < widths.size(); ++i) {
        int row = 0;
        while (row < out.size() && used.at(row) + widths.at(i) > available)
            ++row;
        if (row == out.size()) {
            out.append(QList<int>());
            used.append(0);
        }
        out[row].append(i);
        used[row] += widths.at(i);
    }
    return out;
}

} // namespace ToolbarLayout
