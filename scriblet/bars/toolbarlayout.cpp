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
