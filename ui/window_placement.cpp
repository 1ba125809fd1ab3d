#include "window_placement.h"

#include <algorithm>

namespace {

// One axis: the window from start, length long, inside the area from first to end (excluded).
int placeInside(int start, int length, int first, int end) { return std::max(std::min(start, end - length), first); }

}  // namespace

QPoint windowPosition(const QRect& available, const QSize& size, QPoint described)
{
    return {placeInside(described.x(), size.width(), available.left(), available.left() + available.width()),
            placeInside(described.y(), size.height(), available.top(), available.top() + available.height())};
}
