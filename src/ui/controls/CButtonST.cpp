// CButtonST.cpp - the icon button.
#include "ui/controls/CButtonST.h"

#include "ui/QtText.h"
#include "ui/resources/ModuleArtwork.h"

CButtonST::CButtonST(QWidget* parent) : QToolButton(parent) {
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIconSize(QSize(16, 16));
    setAutoRaise(false);
    setFocusPolicy(Qt::StrongFocus);
}

bool CButtonST::SetIcon(int iconId) {
    if (!ovui::hasModuleIcon(iconId)) {
        return false;
    }
    iconId_ = iconId;
    setIcon(ovui::moduleIcon(iconId));
    return true;
}

void CButtonST::SetTooltipText(const Tvx_String& text) {
    setToolTip(ovui::toQt(text));
}

void CButtonST::SetFlat(bool flat) {
    setAutoRaise(flat);
}
