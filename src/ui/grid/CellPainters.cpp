// CellPainters.cpp - check box, button and picture cells.
#include "ui/grid/CellPainters.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOptionButton>

#include "core/resources/ModuleBitmaps.h"
#include "ui/resources/ModuleArtwork.h"

namespace ovui::grid {

namespace {

// Picture styles with this bit hold an icon rather than a bitmap.
constexpr long kIconStyleBit = 0x1000;
constexpr int kCheckSize = 13;
constexpr int kButtonMargin = 1;

QStyle* styleOf(const QWidget* widget) {
    return widget ? widget->style() : QApplication::style();
}

QPixmap checkPicture(bool checked) {
    QPixmap picture = moduleBitmap(checked ? ovres::kCheckBitmapOn : ovres::kCheckBitmapOff);
    return picture;
}

}  // namespace

void paintCheckCell(QPainter& painter, const QRect& rect, bool checked, bool enabled,
                    const QString& caption, const QWidget* widget) {
    QPixmap picture = checkPicture(checked);
    const QSize size =
        picture.isNull() ? QSize(kCheckSize, kCheckSize) : picture.size().boundedTo(rect.size());
    QRect box(QPoint(0, 0), size);
    if (caption.isEmpty()) {
        box.moveCenter(rect.center());
    } else {
        box.moveTopLeft(QPoint(rect.left() + 3, rect.top() + (rect.height() - size.height()) / 2));
    }
    painter.save();
    if (!enabled) {
        painter.setOpacity(0.5);
    }
    if (!picture.isNull()) {
        painter.drawPixmap(box, picture);
    } else {
        QStyleOptionButton option;
        option.rect = box;
        option.state = (enabled ? QStyle::State_Enabled : QStyle::State_None) |
                       (checked ? QStyle::State_On : QStyle::State_Off);
        styleOf(widget)->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, widget);
    }
    painter.restore();
    if (!caption.isEmpty()) {
        const QRect text = rect.adjusted(box.width() + 7, 0, -2, 0);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, caption);
    }
}

void paintButtonCell(QPainter& painter, const QRect& rect, const QString& caption, bool pressed,
                     const QFont& font, const QWidget* widget) {
    QStyleOptionButton option;
    option.rect = rect.adjusted(kButtonMargin, kButtonMargin, -kButtonMargin, -kButtonMargin);
    option.text = caption;
    option.state = QStyle::State_Enabled | (pressed ? QStyle::State_Sunken : QStyle::State_Raised);
    if (widget) {
        option.palette = widget->palette();
    }
    option.fontMetrics = QFontMetrics(font);
    painter.save();
    painter.setFont(font);
    styleOf(widget)->drawControl(QStyle::CE_PushButton, &option, &painter, widget);
    painter.restore();
}

QPixmap cellPicture(const ovgrid::CellType& type) {
    if (type.pictureHandle != 0) {
        const int id = static_cast<int>(type.pictureHandle);
        if (type.style & kIconStyleBit) {
            const QIcon icon = moduleIcon(id);
            return icon.isNull() ? QPixmap() : icon.pixmap(32, 32);
        }
        return moduleBitmap(id);
    }
    if (type.pictureName.empty()) {
        return {};
    }
    // Paths arrive in the application's form, with backslashes.
    QString path = QString::fromStdWString(type.pictureName);
    path.replace(u'\\', u'/');
    const QString key = QStringLiteral("ovgrid-picture:") + path;
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture) && picture.load(path)) {
        QPixmapCache::insert(key, picture);
    }
    return picture;
}

void paintPictureCell(QPainter& painter, const QRect& rect, const ovgrid::CellType& type) {
    const QPixmap picture = cellPicture(type);
    if (picture.isNull() || rect.isEmpty()) {
        return;
    }
    QSize size = picture.size();
    if (size.width() > rect.width() || size.height() > rect.height()) {
        size.scale(rect.size(), Qt::KeepAspectRatio);
    }
    QRect target(QPoint(0, 0), size);
    target.moveCenter(rect.center());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture);
    painter.restore();
}

}  // namespace ovui::grid
