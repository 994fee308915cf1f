// Where a toolbox appears: at its stored place while a good part of it (its top
// strip, where the title bar is grabbed) lies on a screen; else moved inside the
// first screen, so that a place stored on a screen that is gone, or any absurd value,
// still gives a window the user can reach.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace ToolboxPlacement {

// Of the window's top strip, at least this much must lie on one screen.
inline constexpr int MinVisibleWidth = 40;
inline constexpr int MinVisibleHeight = 10;

// The top-left corner for a window of this size whose stored corner is wanted (any
// integers, also absurd ones). screens: the available areas, the primary first;
// without screens the corner is only limited to sensible coordinates.
QPoint onScreen(const QPoint &wanted, const QSize &size, const QList<QRect> &screens);

// A stored size limited to sensible bounds (at least minimum, at most the screen).
QSize boundedSize(const QSize &wanted, const QSize &minimum, const QList<QRect> &screens);

} // namespace ToolboxPlacement
