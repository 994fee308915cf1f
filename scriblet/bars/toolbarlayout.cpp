#include "bars/toolbarlayout.h"

#include "common/commandids.h"

namespace ToolbarLayout {

const QList<int> &mainToolbar()
{
    static const QList<int> ids = {
        Cmd::FileNew,          Cmd::FileOpen,    Cmd::FileSave,      Cmd::SaveAll,          Separator,
        Cmd::ViewArrowsBar,    Cmd::ViewBinaryOpsBar, Cmd::ViewAccentsBar, Cmd::ViewRelationsBar,
        Cmd::ViewGreekBar,     Cmd::ViewOtherSymbolsBar, Cmd::ViewMacroBar,
    };
    return ids;
}

QList<int> rowStarts(const QList<int> &widths, int available)
{
    QList<int> starts;
    int used = 0;
    for (int i = 0; i < widths.size(); ++i) {
        if (starts.isEmpty() || used + widths.at(i) > available) {
            starts.append(i);
            used = 0;
        }
        used += widths.at(i);
    }
    return starts;
}

} // namespace ToolbarLayout
