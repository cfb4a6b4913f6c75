// DlgSize.cpp - remembered dialog sizes on Qt windows.
#include "ui/DlgSize.h"

#include <QWidget>
#include <algorithm>

#include "core/DlgSizeStore.h"

bool getDlgSize(const QWidget* window, int& width, int& height) {
    if (window == nullptr) {
        return false;
    }
    width = window->width();
    height = window->height();
    return true;
}

bool ChangeDlgSize(QWidget* window, const Tvx_String& dlgKey, bool growOnly) {
    DlgSize stored;
    if (window == nullptr || !readDlgSize(dlgKey, stored)) {
        return false;
    }
    if (growOnly) {
        stored.width = std::max(stored.width, window->width());
        stored.height = std::max(stored.height, window->height());
    }
    window->resize(stored.width, stored.height);
    return true;
}

bool WriteDlgSize(const QWidget* window, const Tvx_String& dlgKey) {
    if (window == nullptr) {
        return false;
    }
    return writeDlgSize(dlgKey, DlgSize{window->width(), window->height()});
}
