// ShapeIcons.cpp - the cross-section drawings. Each shape is described in a 100 x 100 box: solid
// rolled sections as filled outlines, thin-walled (cold-formed) sections as a thick centre line.
#include "ui/seclib/ShapeIcons.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <initializer_list>

#include "core/AtomicFile.h"
#include "core/FileSystem.h"
#include "seclib/BuiltInShapes.h"
#include "ui/QtText.h"

namespace ovui::seclib {

namespace {

const QColor kSteel(164, 184, 210);
const QColor kOutline(36, 52, 86);

QPolygonF poly(std::initializer_list<QPointF> points) {
    return QPolygonF(QList<QPointF>(points));
}

// An I section with flanges of widths `top` and `bottom`, centred.
QPainterPath iSection(double top, double bottom, double tf, double tw) {
    const double t0 = 50 - top / 2, t1 = 50 + top / 2, b0 = 50 - bottom / 2, b1 = 50 + bottom / 2;
    const double w0 = 50 - tw / 2, w1 = 50 + tw / 2;
    QPainterPath path;
    path.addPolygon(poly({{t0, 5},
                          {t1, 5},
                          {t1, 5 + tf},
                          {w1, 5 + tf},
                          {w1, 95 - tf},
                          {b1, 95 - tf},
                          {b1, 95},
                          {b0, 95},
                          {b0, 95 - tf},
                          {w0, 95 - tf},
                          {w0, 5 + tf},
                          {t0, 5 + tf}}));
    path.closeSubpath();
    return path;
}

// A channel open to the right; `taper` slopes the inner flange faces.
QPainterPath channel(double top, double bottom, double tf, double tw, double taper) {
    const double x0 = 25;
    QPainterPath path;
    path.addPolygon(poly({{x0, 5},
                          {x0 + top, 5},
                          {x0 + top, 5 + tf},
                          {x0 + tw, 5 + tf + taper},
                          {x0 + tw, 95 - tf - taper},
                          {x0 + bottom, 95 - tf},
                          {x0 + bottom, 95},
                          {x0, 95}}));
    path.closeSubpath();
    return path;
}

QPainterPath tSection(double web) {
    QPainterPath path;
    const double w0 = 50 - web / 2, w1 = 50 + web / 2;
    path.addPolygon(
        poly({{10, 10}, {90, 10}, {90, 24}, {w1, 24}, {w1, 90}, {w0, 90}, {w0, 24}, {10, 24}}));
    path.closeSubpath();
    return path;
}

// Thin-walled shapes: the centre line, stroked.
using Line = std::initializer_list<QPointF>;

void strokeLines(QPainter& p, std::initializer_list<Line> lines, double width) {
    QPen pen(kOutline, width + 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    for (int pass = 0; pass < 2; ++pass) {
        p.setPen(pen);
        for (const Line& line : lines) {
            p.drawPolyline(poly(line));
        }
        pen = QPen(kSteel, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    }
}

void fillPath(QPainter& p, const QPainterPath& path) {
    p.setPen(QPen(kOutline, 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(kSteel);
    p.drawPath(path);
}

void drawShape(QPainter& p, int shape) {
    constexpr double t = 6;  // wall of thin-walled shapes
    switch (shape) {
        case 1:
            fillPath(p, iSection(70, 70, 12, 9));
            break;
        case 2:
            fillPath(p, channel(45, 45, 11, 10, 0));
            break;
        case 3:
            fillPath(p, channel(45, 45, 9, 10, 6));
            break;
        case 4:
            strokeLines(p, {{{70, 10}, {28, 10}, {28, 90}, {70, 90}}}, t);
            break;
        case 5:
            fillPath(p, tSection(12));
            break;
        case 6:
            fillPath(p, iSection(50, 84, 11, 9));
            break;
        case 7:
            fillPath(p, channel(35, 55, 11, 10, 0));
            break;
        case 8: {
            QPainterPath path;
            path.addRect(10, 35, 80, 30);
            fillPath(p, path);
            break;
        }
        case 9: {
            QPainterPath path;
            path.addEllipse(QPointF(50, 50), 40, 40);
            fillPath(p, path);
            break;
        }
        case 10: {
            QPainterPath path;
            path.addRoundedRect(18, 8, 64, 84, 8, 8);
            path.addRoundedRect(28, 18, 44, 64, 3, 3);
            fillPath(p, path);
            break;
        }
        case 11: {
            QPainterPath path;
            path.addEllipse(QPointF(50, 50), 40, 40);
            path.addEllipse(QPointF(50, 50), 30, 30);
            fillPath(p, path);
            break;
        }
        case 12:
            strokeLines(p, {{{66, 26}, {66, 10}, {28, 10}, {28, 90}, {66, 90}, {66, 74}}}, t);
            break;
        case 13:
            strokeLines(p, {{{30, 26}, {30, 10}, {55, 10}, {55, 90}, {80, 90}, {80, 74}}}, t);
            break;
        case 14: {
            QPainterPath path;
            path.addPolygon(poly({{20, 10}, {32, 10}, {32, 78}, {90, 78}, {90, 90}, {20, 90}}));
            path.closeSubpath();
            fillPath(p, path);
            break;
        }
        case 15: {
            QPainterPath path;
            path.addPolygon(poly(
                {{35, 10}, {65, 10}, {90, 35}, {90, 65}, {65, 90}, {35, 90}, {10, 65}, {10, 35}}));
            path.closeSubpath();
            fillPath(p, path);
            break;
        }
        case 16: {
            QPainterPath path;
            path.addRect(15, 15, 70, 70);
            fillPath(p, path);
            break;
        }
        case 17: {
            QPainterPath path = tSection(8);
            fillPath(p, path);
            // The cut: a dashed line where the web was cut.
            p.setPen(QPen(kOutline, 2, Qt::DashLine));
            p.drawLine(QPointF(30, 94), QPointF(70, 94));
            break;
        }
        case 18:
            strokeLines(p,
                        {{{68, 24},
                          {68, 10},
                          {30, 10},
                          {30, 34},
                          {20, 42},
                          {20, 58},
                          {30, 66},
                          {30, 90},
                          {68, 90},
                          {68, 76}}},
                        t);
            break;
        case 19:
            strokeLines(p,
                        {{{58, 20},
                          {70, 24},
                          {70, 10},
                          {30, 10},
                          {30, 34},
                          {20, 42},
                          {20, 58},
                          {30, 66},
                          {30, 90},
                          {70, 90},
                          {70, 76},
                          {58, 80}}},
                        t);
            break;
        case 20:
            strokeLines(
                p,
                {{{74, 10}, {34, 10}, {34, 34}, {24, 42}, {24, 58}, {34, 66}, {34, 90}, {74, 90}}},
                t);
            break;
        case 21:
            strokeLines(
                p,
                {{{56, 22}, {68, 26}, {68, 10}, {28, 10}, {28, 90}, {68, 90}, {68, 74}, {56, 78}}},
                t);
            break;
        case 22:
            strokeLines(p, {{{76, 12}, {24, 12}, {24, 88}, {76, 88}}}, t);
            break;
        case 23:
            strokeLines(p, {{{26, 10}, {26, 84}, {88, 84}}}, 8);
            p.setPen(QPen(kOutline, 2));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(26, 40), 5, 5);
            break;
        case 24:
            strokeLines(p, {{{44, 10}, {44, 84}, {10, 84}}, {{56, 10}, {56, 84}, {90, 84}}}, 8);
            p.setPen(QPen(kOutline, 2));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(50, 40), 5, 5);
            break;
        default: {
            QFont font = p.font();
            font.setPixelSize(70);
            font.setBold(true);
            p.setFont(font);
            p.setPen(kOutline);
            p.drawText(QRectF(0, 0, 100, 100), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
    }
}

}  // namespace

QImage paintShapeIcon(int shape, int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);
    drawShape(painter, shape >= kFirstBuiltInShape && shape <= kLastBuiltInShape ? shape : 0);
    return image;
}

QIcon shapeIcon(int shape) {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(paintShapeIcon(shape, 32)));
    icon.addPixmap(QPixmap::fromImage(paintShapeIcon(shape, kSmallIconSize)));
    return icon;
}

bool writeShapeIcons(const Tvx_String& folder, bool overwrite) {
    if (!createFolder(folder)) {
        return false;
    }
    bool ok = true;
    for (int shape = 0; shape <= kLastBuiltInShape; ++shape) {
        const Tvx_String base = shape == 0 ? Tvx_String(L"Unknown") : getProfSectionName(shape);
        for (bool big : {true, false}) {
            const Tvx_String path = folder + L"\\" + base + (big ? L"-big.bmp" : L"-small.bmp");
            if (!overwrite && fileExists(path)) {
                continue;
            }
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            ok = paintShapeIcon(shape, big ? kBigIconSize : kSmallIconSize).save(&buffer, "BMP") &&
                 atomicWriteFile(path, std::string_view(bytes.constData(),
                                                        static_cast<std::size_t>(bytes.size()))) &&
                 ok;
        }
    }
    return ok;
}

}  // namespace ovui::seclib
