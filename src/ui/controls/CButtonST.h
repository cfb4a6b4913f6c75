// CButtonST.h - the icon button of the dialogs: a flat-looking push button showing one of the
// module's icons by number, with a tool tip.
#pragma once

#include <QToolButton>

#include "core/Tvx_String.h"

class CButtonST : public QToolButton {
    Q_OBJECT

  public:
    explicit CButtonST(QWidget* parent = nullptr);

    // The module icon `iconId` (see ModuleArtwork); false when there is no such icon.
    bool SetIcon(int iconId);
    int iconId() const { return iconId_; }
    void SetTooltipText(const Tvx_String& text);
    // Flat buttons draw their frame only under the mouse.
    void SetFlat(bool flat);

  private:
    int iconId_ = 0;
};
