#include "toolboxes/toolboxplacement.h"

#include <algorithm>

namespace ToolboxPlacement {

QPoint onScreen(const QPoint &corner, const QSize &size, const QList<QRect> &screens)
{
    // Far beyond any screen, and far from the integer limits a QRect would overflow.
    constexpr int Far = 1000000;
    const QRect wanted(QPoint(std::clamp(corner.x(), -Far, Far), std::clamp(corner.y(), -Far, Far)),
                       size.boundedTo(QSize(Far, Far)).expandedTo(QSize(1, 1)));
    if (screens.isEmpty())
        return wanted.topLeft();
    const QRect strip(wanted.left(), wanted.top(), wanted.width(), std::min(wanted.height(), 2 * MinVisibleHeight));
    for (const QRect &s : screens) {
        const QRect common = strip.intersected(s);
        if (common.width() >= std::min(MinVisibleWidth, wanted.width())
            && common.height() >= std::min(MinVisibleHeight, strip.height()))
            return wanted.topLeft();
    }
    const QRect &s = screens.first();
    const int x = std::max(s.left(), std::min(wanted.left(), s.right() + 1 - wanted.width()));
    const int y = std::max(s.top(), std::min(wanted.top(), s.bottom() + 1 - wanted.height()));
    return QPoint(x, y);
}

QSize boundedSize(const QSize &wanted, const QSize &minimum, const QList<QRect> &screens)
{
    QSize maximum(20000, 20000);
    if (!screens.isEmpty())
        maximum = screens.first().size();
    maximum = maximum.expandedTo(minimum);
    return QSize(std::clamp(wanted.width(), minimum.width(), maximum.width()),
                 std::clamp(wanted.height(), minimum.height(), maximum.height()));
}

} // namespace ToolboxPlacement
