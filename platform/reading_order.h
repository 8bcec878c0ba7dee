#pragma once

#include <QList>
#include <QRect>
#include <Qt>

namespace Platform {

// The order a reader takes controls in, given where each one is: row by row from the top, and
// within a row from the left (from the right in a right-to-left layout). A row is led by its
// topmost control; another control joins it when its middle lies within the leader's height, so
// controls of different heights centred on one line share a row. An empty rectangle stands for a
// control that is not shown: those come last, in their given order. Returns indexes into rects.
QList<int> ReadingOrder(const QList<QRect> &rects, Qt::LayoutDirection direction);

} // namespace Platform
