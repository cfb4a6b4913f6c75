// DesignerArtwork.cpp - the designer's own icons, drawn at 32 x 32 on a 16 x 16 grid.
#include "ui/designer/DesignerArtwork.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "ui/resources/ModuleArtwork.h"

namespace ovui {

namespace {

const QColor kInk(40, 60, 90);
const QColor kBlue(60, 110, 190);
const QColor kFolder(225, 180, 70);
const QColor kPaper(250, 250, 245);

QPen pen(const QColor& color, qreal width = 1.4) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawWindow(QPainter& p) {
    p.setPen(pen(kInk, 1.0));
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setBrush(kBlue);
    p.drawRect(QRectF(1.5, 2.5, 13, 2.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 7, 5, 2));
    p.drawRect(QRectF(3.5, 10.5, 9, 1.5));
}

void drawOpen(QPainter& p) {
    p.setPen(pen(kInk, 1.0));
    p.setBrush(kFolder.darker(115));
    p.drawPolygon(QPolygonF{{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}});
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF{{1.5, 13.5}, {4, 7.5}, {15.5, 7.5}, {13.5, 13.5}});
}

void drawSave(QPainter& p) {
    p.setPen(pen(kInk, 1.0));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF{{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}});
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.drawRect(QRectF(3.5, 9, 9, 5.5));
    p.setBrush(kInk);
    p.drawRect(QRectF(9, 2.5, 2, 3));
}

void drawPicture(QPainter& p) {
    p.setPen(pen(QColor(60, 60, 60), 1.0));
    p.setBrush(QColor(225, 238, 250));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 140, 90));
    p.drawPolygon(QPolygonF{{2, 13}, {6, 7}, {9, 11}, {11, 9}, {14, 13}});
    p.setBrush(QColor(230, 180, 40));
    p.drawEllipse(QPointF(11, 5.5), 1.6, 1.6);
}

// A double arrow between two bars: horizontal for the width, vertical for the height.
void drawSize(QPainter& p, bool horizontal) {
    if (!horizontal) {
        p.translate(16, 0);
        p.rotate(90);
    }
    p.setPen(pen(kInk, 1.4));
    p.drawLine(QPointF(1.5, 3), QPointF(1.5, 13));
    p.drawLine(QPointF(14.5, 3), QPointF(14.5, 13));
    p.setPen(pen(kBlue, 1.6));
    p.drawLine(QPointF(4, 8), QPointF(12, 8));
    p.drawPolyline(QPolygonF{{6, 5.5}, {3.5, 8}, {6, 10.5}});
    p.drawPolyline(QPolygonF{{10, 5.5}, {12.5, 8}, {10, 10.5}});
}

void drawWidth(QPainter& p) {
    drawSize(p, true);
}
void drawHeight(QPainter& p) {
    drawSize(p, false);
}

// The flex icon: a small bolted joint (plate, two bolts) that reads well on a push button.
void drawFlex(QPainter& p) {
    p.setPen(pen(kInk, 1.0));
    p.setBrush(QColor(200, 215, 235));
    p.drawRect(QRectF(2.5, 2.5, 11, 11));
    p.setBrush(kInk);
    p.drawEllipse(QPointF(5.5, 8), 1.6, 1.6);
    p.drawEllipse(QPointF(10.5, 8), 1.6, 1.6);
}

using DrawFn = void (*)(QPainter&);

DrawFn drawing(int id) {
    switch (id) {
        case designerIcons::kWindow:
            return drawWindow;
        case designerIcons::kPicture:
            return drawPicture;
        case designerIcons::kOpen:
            return drawOpen;
        case designerIcons::kSave:
            return drawSave;
        case designerIcons::kWidth:
            return drawWidth;
        case designerIcons::kHeight:
            return drawHeight;
        case designerIcons::kFlex:
            return drawFlex;
        default:
            return nullptr;
    }
}

}  // namespace

QIcon designerIcon(int resourceId) {
    static QHash<int, QIcon> cache;
    if (auto it = cache.find(resourceId); it != cache.end()) {
        return *it;
    }
    const DrawFn draw = drawing(resourceId);
    if (draw == nullptr) {
        return moduleIcon(resourceId);
    }
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(2.0, 2.0);
    draw(painter);
    painter.end();
    return *cache.insert(resourceId, QIcon(pixmap));
}

}  // namespace ovui
