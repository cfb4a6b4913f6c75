// COvDockControlBar.h - a dock bar that shows one of the module's dialogs docked in the host's
// main window (adsw_acadMainWnd(), a QWidget* that is a QMainWindow). The bar may dock left or
// right, starts docked on the left and floats at the size it last had while floating (400 x 500 at
// first). A bar is kept in a slot of its caller: closing it deletes the bar and empties the slot.
#pragma once

#include <QDockWidget>
#include <functional>
#include <memory>

#include "core/Tvx_String.h"

class OvDialog;
class QMainWindow;

class COvDockControlBar : public QDockWidget {
    Q_OBJECT

  public:
    static constexpr int kFloatWidth = 400;
    static constexpr int kFloatHeight = 500;
    // Space between the bar's edge and the dialog, on the left and at the top.
    static constexpr int kDialogInset = 4;

    COvDockControlBar();
    ~COvDockControlBar() override;

    // Puts the bar into `frame` with the dialog as its content (the bar owns it from now on).
    // False when there is no dialog.
    bool Create(QMainWindow* frame, const Tvx_String& title, std::unique_ptr<OvDialog> dialog,
                int templateId, const Tvx_String& toolId);

    OvDialog* dialog() const { return m_dialog; }
    int templateId() const { return m_templateId; }
    const Tvx_String& toolId() const { return m_toolId; }
    QSize floatingSize() const { return m_floatSize; }

    // Runs once when the bar is closed, before it is deleted.
    void setCloseRoutine(std::function<void(COvDockControlBar&)> routine) {
        m_closeRoutine = std::move(routine);
    }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    Tvx_String sizeKey() const;

    OvDialog* m_dialog = nullptr;
    int m_templateId = 0;
    Tvx_String m_toolId;
    QSize m_floatSize{kFloatWidth, kFloatHeight};
    std::function<void(COvDockControlBar&)> m_closeRoutine;
    bool m_closing = false;
};

// Shows `dialog` docked in the host's main window. When `slot` already holds a bar, that bar is
// shown again (and `dialog` is not used). Closing the bar empties `slot`, which must outlive it.
// False when the dialog is missing or the bar cannot be made.
bool showDockedDialog(COvDockControlBar*& slot, std::unique_ptr<OvDialog> dialog, int templateId,
                      const Tvx_String& toolId, const Tvx_String& title);

// The studio's sample of a docked dialog: the formula workbench in a bar of its own.
extern "C" bool ovssShowDockedWorkbench();
