// DialogDriver.h - scripted operation of modal dialogs. Tests (and demos) queue one action per
// dialog they expect; each dialog that opens modally takes the next action and runs it once its
// event loop is running, so no real modal window ever waits for a person.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class OvDialog;

namespace ovui {

using DialogAction = std::function<void(OvDialog&)>;

class DialogDriver {
  public:
    // The next modal dialog to open runs `action` once it is shown.
    static void push(DialogAction action);
    static int pending();
    static void clear();

    // In unattended mode a dialog without an action, or one that is still open after its action
    // ran, is cancelled at once (and noted in leftOpen()) instead of waiting for input.
    static void setUnattended(bool on);
    static bool unattended();

    // Class names of the modal dialogs opened, in order; and of those cancelled by the driver.
    static const QStringList& opened();
    static const QStringList& leftOpen();

    // Used by OvDialog::DoModal: records the dialog and schedules its action.
    static void attach(OvDialog& dialog);
};

}  // namespace ovui
