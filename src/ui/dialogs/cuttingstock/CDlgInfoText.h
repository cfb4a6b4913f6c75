// CDlgInfoText.h - a read-only text shown in a dialog with a close button: listings and reports
// that a user reads and may copy, such as the cutting-stock file listing.
#pragma once

#include "ui/OvDialog.h"

class CDlgInfoText : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kText = 1001;

    CDlgInfoText(const Tvx_String& title, const Tvx_String& closeText, const Tvx_String& text,
                 QWidget* parent = nullptr);
};

// Shows `text` modally under `title`, with one button captioned `closeText`.
void ExportStartDlgInfo(const Tvx_String& title, const Tvx_String& closeText,
                        const Tvx_String& text);
