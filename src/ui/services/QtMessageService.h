// QtMessageService.h - message boxes shown with Qt: the caption, the exact text, the icon and the
// buttons of the Win32-style type flags, answering IDOK / IDCANCEL / IDYES / IDNO.
#pragma once

#include <QMessageBox>

#include "core/MessageService.h"

namespace ovui {

class QtMessageService : public MessageService {
  public:
    int show(const Tvx_String& text, const Tvx_String& caption, unsigned type) override;

    // The parts of a box of `type`, exposed so that they can be checked without showing one.
    static QMessageBox::Icon iconFor(unsigned type);
    static QMessageBox::StandardButtons buttonsFor(unsigned type);
    static QMessageBox::StandardButton defaultButtonFor(unsigned type);
    static int answerFor(QMessageBox::StandardButton button);
};

}  // namespace ovui
