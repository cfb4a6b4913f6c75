// DesignerTestSupport.h - what the designer window tests share: the bundled end-plate template
// copied into the test library, the designer texts, and mouse and key events on the canvas.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPoint>
#include <QWidget>

#include "core/Tvx_String.h"
#include "designer/DesignerWindows.h"

namespace designertest {

// The designer's numbered texts from the shipped table; the designer folder of the test library
// with the bundled "End Plate Bolted" template and its picture. Returns the template's path.
Tvx_String prepareLibrary();

inline QPoint centre(const DesignerRect& r) {
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

inline void mouse(QWidget* target, QEvent::Type type, const QPoint& at,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, modifiers);
    QApplication::sendEvent(target, &event);
}

inline void click(QWidget* target, const QPoint& at,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    mouse(target, QEvent::MouseButtonPress, at, modifiers);
    mouse(target, QEvent::MouseButtonRelease, at, modifiers);
}

// Press at `from`, move in two steps to `to`, release there.
inline void drag(QWidget* target, const QPoint& from, const QPoint& to) {
    mouse(target, QEvent::MouseButtonPress, from);
    mouse(target, QEvent::MouseMove, (from + to) / 2);
    mouse(target, QEvent::MouseMove, to);
    mouse(target, QEvent::MouseButtonRelease, to);
}

inline void key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &event);
}

}  // namespace designertest
