#include "platform/reading_order.h"

#include <algorithm>

namespace Platform {

QList<int> ReadingOrder(const QList<QRect> &rects, Qt::LayoutDirection direction)
{
    QList<int> shown, hidden;
    for (int i = 0; i < rects.size(); ++i)
        (rects[i].isEmpty() ? hidden : shown).append(i);
    std::stable_sort(shown.begin(), shown.end(), [&](int a, int b) { return rects[a].top() < rects[b].top(); });

    QList<int> order;
    for (qsizetype rowStart = 0; rowStart < shown.size();) {
        const QRect &leader = rects[shown[rowStart]];
        qsizetype rowEnd = rowStart + 1;
        while (rowEnd < shown.size() && rects[shown[rowEnd]].center().y() <= leader.bottom())
            ++rowEnd;
        QList<int> row = shown.mid(rowStart, rowEnd - rowStart);
        std::stable_sort(row.begin(), row.end(), [&](int a, int b) {
            return direction == Qt::RightToLeft ? rects[a].right() > rects[b].right()
                                                : rects[a].left() < rects[b].left();
        });
        order += row;
        rowStart = rowEnd;
    }
    return order + hidden;
}

} // namespace Platform
