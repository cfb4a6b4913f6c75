// QtMessageService.cpp - the Qt message box.
#include "ui/services/QtMessageService.h"

#include <QApplication>

#include "ui/QtText.h"

namespace ovui {

namespace {
constexpr unsigned kButtonMask = 0xF;
constexpr unsigned kIconMask = 0xF0;
}  // namespace

QMessageBox::Icon QtMessageService::iconFor(unsigned type) {
    switch (type & kIconMask) {
        case MB_ICONERROR:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons QtMessageService::buttonsFor(unsigned type) {
    switch (type & kButtonMask) {
        case MB_OKCANCEL:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MB_YESNOCANCEL:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MB_YESNO:
            return QMessageBox::Yes | QMessageBox::No;
        default:
            return QMessageBox::Ok;
    }
}

QMessageBox::StandardButton QtMessageService::defaultButtonFor(unsigned type) {
    switch (defaultMessageAnswer(type)) {
        case IDCANCEL:
            return QMessageBox::Cancel;
        case IDYES:
            return QMessageBox::Yes;
        case IDNO:
            return QMessageBox::No;
        default:
            return QMessageBox::Ok;
    }
}

int QtMessageService::answerFor(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Cancel:
            return IDCANCEL;
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        default:
            return IDOK;
    }
}

int QtMessageService::show(const Tvx_String& text, const Tvx_String& caption, unsigned type) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return defaultMessageAnswer(type);
    }
    QMessageBox box(iconFor(type), toQt(caption), toQt(text), buttonsFor(type),
                    QApplication::activeWindow());
    box.setDefaultButton(defaultButtonFor(type));
    if ((type & kButtonMask) == MB_YESNO) {
        // A Yes/No box has no Cancel; closing it counts as the default answer.
        box.setEscapeButton(defaultButtonFor(type));
    }
    if ((type & MB_TOPMOST) != 0) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    const int pressed = box.exec();
    return answerFor(static_cast<QMessageBox::StandardButton>(pressed));
}

}  // namespace ovui
