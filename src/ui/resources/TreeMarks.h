// TreeMarks.h - the pictures of a tree grid's marks (bitmaps 272..281): fold boxes with a plus
// (closed) or minus (open) on the first, a middle or the last row of a level, a leaf on a branch,
// the last leaf of a parent and a line passing by. They are drawn to fill the whole cell so
// that the lines of neighbouring rows meet at any row height.
#pragma once

#include <QPixmap>
#include <QRect>

class QPainter;

namespace ovui {

bool isTreeMarkBitmap(int resourceId);
void paintTreeMark(QPainter& painter, const QRect& cell, int resourceId);
// The mark at a standard cell size (20 x 18 pixels).
QPixmap treeMarkPixmap(int resourceId);

}  // namespace ovui
