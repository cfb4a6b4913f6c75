// ModuleArtwork.cpp - the drawing of every bitmap and icon of the module. Icons are drawn on a
// 32x32 canvas in a 16-unit coordinate system so that they stay crisp at both common sizes.
#include "ui/resources/ModuleArtwork.h"

#include <QHash>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>

#include "core/resources/ModuleBitmaps.h"
#include "ui/resources/TreeMarks.h"

namespace ovui {

namespace {

using DrawFn = void (*)(QPainter&);

const QColor kInk(40, 60, 90);
const QColor kGreen(40, 150, 60);
const QColor kRed(200, 50, 40);
const QColor kPaper(250, 250, 245);

QPen pen(const QColor& color, qreal width = 1.6) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawArrow(QPainter& p, bool up, const QColor& color) {
    p.setPen(pen(color.darker(130), 1.0));
    p.setBrush(color);
    const qreal tip = up ? 2 : 14;
    const qreal base = up ? 8 : 8;
    QPolygonF head{{8, tip}, {2.5, base}, {13.5, base}};
    p.drawPolygon(head);
    p.drawRect(QRectF(6, up ? 8 : 3, 4, 5));
}

void drawRows(QPainter& p) {
    p.setPen(pen(kInk, 1.0));
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 2.5, 9, 11));
    for (qreal y : {5.5, 8.0, 10.5}) {
        p.drawLine(QPointF(1.5, y), QPointF(10.5, y));
    }
}

void drawPage(QPainter& p, qreal dx, qreal dy) {
    p.setPen(pen(kInk, 1.0));
    p.setBrush(kPaper);
    p.drawRect(QRectF(2.5 + dx, 1.5 + dy, 8, 10));
    p.drawLine(QPointF(4 + dx, 4.5 + dy), QPointF(9 + dx, 4.5 + dy));
    p.drawLine(QPointF(4 + dx, 7 + dy), QPointF(9 + dx, 7 + dy));
}

void drawChevrons(QPainter& p, bool down) {
    p.setPen(pen(kInk, 1.8));
    p.setBrush(Qt::NoBrush);
    for (qreal y : {4.0, 9.0}) {
        const qreal a = down ? y : y + 3;
        const qreal b = down ? y + 3 : y;
        p.drawPolyline(QPolygonF{{3, a}, {8, b}, {13, a}});
    }
}

void drawDelete(QPainter& p) {
    p.setPen(pen(kRed, 2.6));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void drawAdd(QPainter& p) {
    p.setPen(pen(kGreen, 2.8));
    p.drawLine(QPointF(8, 2.5), QPointF(8, 13.5));
    p.drawLine(QPointF(2.5, 8), QPointF(13.5, 8));
}

void drawPick(QPainter& p) {
    p.setPen(pen(kInk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, 9, 9));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{{6, 6}, {14.5, 9.5}, {10.5, 10.5}, {9.5, 14.5}});
}

void drawCopy(QPainter& p) {
    drawPage(p, 0, 0);
    drawPage(p, 3, 3);
}

void drawPaste(QPainter& p) {
    p.setPen(pen(kInk, 1.0));
    p.setBrush(QColor(200, 160, 90));
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1.5, 1.5);
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(4.5, 1.5, 4, 2.5));
    drawPage(p, 4, 4);
}

void drawInsertRow(QPainter& p) {
    drawRows(p);
    p.setPen(pen(kGreen, 2.0));
    p.drawLine(QPointF(12.5, 5), QPointF(12.5, 11));
    p.drawLine(QPointF(9.5, 8), QPointF(15.5, 8));
}

void drawDeleteRow(QPainter& p) {
    drawRows(p);
    p.setPen(pen(kRed, 2.0));
    p.drawLine(QPointF(10.5, 6), QPointF(15, 10.5));
    p.drawLine(QPointF(15, 6), QPointF(10.5, 10.5));
}

void drawRowUp(QPainter& p) {
    drawRows(p);
    p.setPen(pen(kInk, 1.6));
    p.drawPolyline(QPolygonF{{11, 8}, {13, 5}, {15, 8}});
    p.drawLine(QPointF(13, 5), QPointF(13, 13));
}

void drawRowDown(QPainter& p) {
    drawRows(p);
    p.setPen(pen(kInk, 1.6));
    p.drawPolyline(QPolygonF{{11, 10}, {13, 13}, {15, 10}});
    p.drawLine(QPointF(13, 5), QPointF(13, 13));
}

void drawSettings(QPainter& p) {
    p.setPen(pen(kInk, 1.0));
    p.setBrush(QColor(150, 160, 175));
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(8, 8);
        p.rotate(i * 45.0);
        p.drawRect(QRectF(-1.2, -7, 2.4, 3));
        p.restore();
    }
    p.drawEllipse(QPointF(8, 8), 5, 5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 8), 2, 2);
}

void drawFind(QPainter& p) {
    p.setPen(pen(kInk, 1.6));
    p.setBrush(QColor(210, 230, 250));
    p.drawEllipse(QPointF(6.5, 6.5), 4.2, 4.2);
    p.setPen(pen(kInk, 2.8));
    p.drawLine(QPointF(9.8, 9.8), QPointF(14, 14));
}

void drawShowFilter(QPainter& p) {
    drawChevrons(p, true);
}
void drawHideFilter(QPainter& p) {
    drawChevrons(p, false);
}
void drawUp(QPainter& p) {
    drawArrow(p, true, QColor(70, 120, 200));
}
void drawDown(QPainter& p) {
    drawArrow(p, false, QColor(70, 120, 200));
}

// A folder with an arrow coming out of it.
void drawOpenFile(QPainter& p) {
    p.setPen(pen(kInk, 1.0));
    p.setBrush(QColor(230, 190, 90));
    p.drawPolygon(QPolygonF{{1.5, 4.5}, {5.5, 4.5}, {7, 6}, {13.5, 6}, {13.5, 14}, {1.5, 14}});
    p.setPen(pen(kGreen, 1.8));
    p.drawLine(QPointF(10, 9), QPointF(10, 1.5));
    p.drawPolyline(QPolygonF{{7.5, 4}, {10, 1.5}, {12.5, 4}});
}

// A diskette.
void drawSaveFile(QPainter& p) {
    p.setPen(pen(kInk, 1.0));
    p.setBrush(QColor(70, 110, 180));
    p.drawPolygon(QPolygonF{{1.5, 1.5}, {12, 1.5}, {14.5, 4}, {14.5, 14.5}, {1.5, 14.5}});
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 1.5, 7, 4.5));
    p.drawRect(QRectF(3.5, 9, 9, 5.5));
}

struct IconEntry {
    int id;
    DrawFn draw;
};

constexpr std::array kIcons = {
    IconEntry{icons::kDelete, drawDelete},
    IconEntry{icons::kAdd, drawAdd},
    IconEntry{icons::kPickInDrawing, drawPick},
    IconEntry{icons::kCopy, drawCopy},
    IconEntry{icons::kPaste, drawPaste},
    IconEntry{icons::kInsertRow, drawInsertRow},
    IconEntry{icons::kDeleteRow, drawDeleteRow},
    IconEntry{icons::kRowUp, drawRowUp},
    IconEntry{icons::kRowDown, drawRowDown},
    IconEntry{icons::kOpenFile, drawOpenFile},
    IconEntry{icons::kSaveFile, drawSaveFile},
    IconEntry{icons::kSettings, drawSettings},
    IconEntry{icons::kFind, drawFind},
    IconEntry{icons::kShowFilter, drawShowFilter},
    IconEntry{icons::kHideFilter, drawHideFilter},
    IconEntry{icons::kMoveUp, drawUp},
    IconEntry{icons::kMoveDown, drawDown},
    IconEntry{icons::kMoveUpAlt, drawUp},
    IconEntry{icons::kMoveDownAlt, drawDown},
};

const IconEntry* findIcon(int id) {
    const auto it =
        std::find_if(kIcons.begin(), kIcons.end(), [id](const IconEntry& e) { return e.id == id; });
    return it == kIcons.end() ? nullptr : &*it;
}

// A 13x13 check-box picture as grid cells show it.
QPixmap drawCheckBitmap(bool ticked) {
    QPixmap pixmap(13, 13);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(QColor(110, 110, 110));
    p.drawRect(0, 0, 12, 12);
    if (ticked) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(pen(QColor(20, 20, 20), 1.8));
        p.drawPolyline(QPolygonF{{3, 6.5}, {5.5, 9}, {10, 3.5}});
    }
    return pixmap;
}

// A small framed landscape: "this row shows the item's picture".
QPixmap drawPictureMarker() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(pen(QColor(60, 60, 60), 1.0));
    p.setBrush(QColor(235, 242, 250));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 140, 90));
    p.drawPolygon(QPolygonF{{2, 13}, {6, 7}, {9, 11}, {11, 9}, {14, 13}});
    p.setBrush(QColor(230, 180, 40));
    p.drawEllipse(QPointF(11, 5.5), 1.5, 1.5);
    return pixmap;
}

}  // namespace

bool hasModuleBitmap(int resourceId) {
    return ovres::hasBitmapResource(resourceId);
}

bool hasModuleIcon(int resourceId) {
    return findIcon(resourceId) != nullptr;
}

QPixmap moduleBitmap(int resourceId) {
    static QHash<int, QPixmap> cache;
    if (!hasModuleBitmap(resourceId)) {
        return {};
    }
    auto it = cache.find(resourceId);
    if (it == cache.end() && isTreeMarkBitmap(resourceId)) {
        it = cache.insert(resourceId, treeMarkPixmap(resourceId));
    }
    if (it == cache.end()) {
        it = cache.insert(resourceId, resourceId == ovres::kBillPictureBitmap
                                          ? drawPictureMarker()
                                          : drawCheckBitmap(resourceId == ovres::kCheckBitmapOn));
    }
    return *it;
}

QIcon moduleIcon(int resourceId) {
    static QHash<int, QIcon> cache;
    const IconEntry* entry = findIcon(resourceId);
    if (entry == nullptr) {
        return {};
    }
    auto it = cache.find(resourceId);
    if (it == cache.end()) {
        QPixmap pixmap(32, 32);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(2.0, 2.0);
        entry->draw(p);
        p.end();
        it = cache.insert(resourceId, QIcon(pixmap));
    }
    return *it;
}

}  // namespace ovui
