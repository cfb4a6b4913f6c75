// DesignerWindows.h - what a designed dialog needs from the window system, so that the layout
// operations of Tvx_DlgDesignerData run on real Qt widgets in the dialogs and on recording fakes
// in the engine tests.
//
// Tvx_DesignerDialog is the dialog the controls are drawn in (with the designer's property fields
// and its size prompt); Tvx_ControlWindow is one drawn control. The engine decides what to create
// (a ControlWindowDescription: kind, styles, pixel rectangle, items) and the dialog only builds it.
#pragma once

#include <memory>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "designer/Tvx_ControlType.h"

// A rectangle in whole pixels of the dialog's client area; right and bottom are exclusive edges,
// as the framework's rectangles.
struct DesignerRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(const DesignerRect& other) const {
        return other.left >= left && other.top >= top && other.right <= right &&
               other.bottom <= bottom;
    }
    // The same rectangle with left <= right and top <= bottom.
    DesignerRect normalized() const;
    DesignerRect translated(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    friend bool operator==(const DesignerRect&, const DesignerRect&) = default;
};

// What to create for one control. The styles follow the window class of the control's kind.
struct ControlWindowDescription {
    int id = 0;
    Tvx_ControlType type = 0;
    Tvx_ControlKind kind = Tvx_ControlKind::Static;
    DesignerRect rect;
    // Combos at run time: the window's rectangle includes the drop-down list (at least 200
    // pixels); this is the height of the field itself, 0 when the rectangle is all field.
    int fieldHeight = 0;
    Tvx_String text;
    bool designMode = false;
    bool enabled = true;
    bool multiLine = false;      // edits of types 4 and 5
    bool editableCombo = false;  // combos 3 and 16: a drop-down with an edit field
    bool groupBox = false;       // type 1
    bool checkBox = false;       // type 29
    bool flexButton = false;     // type 30: push-like check button with the flex icon
};

// Check states as the framework numbers them.
inline constexpr int kCtrlUnchecked = 0;
inline constexpr int kCtrlChecked = 1;
inline constexpr int kCtrlIndeterminate = 2;

class Tvx_ControlWindow {
  public:
    virtual ~Tvx_ControlWindow() = default;

    virtual int id() const = 0;
    // The window's rectangle in the dialog's client coordinates.
    virtual DesignerRect rect() const = 0;
    virtual void setRect(const DesignerRect& rect) = 0;
    virtual Tvx_String text() const = 0;
    virtual void setText(const Tvx_String& text) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;
    // Gives the window the keyboard focus; edits select their whole text.
    virtual void setFocus() = 0;

    // Buttons: the check state (kCtrl*); a three-state box can also be indeterminate.
    virtual int checkState() const = 0;
    virtual void setCheckState(int state, bool threeState) = 0;

    // Combo boxes: the items, the selected index (-1 = none) and the edit text.
    virtual void setItems(const Tvx_StringArray& items) = 0;
    virtual int itemCount() const = 0;
    virtual Tvx_String itemText(int index) const = 0;
    virtual int selectedIndex() const = 0;
    virtual void setSelectedIndex(int index) = 0;
};

class Tvx_DesignerDialog {
  public:
    virtual ~Tvx_DesignerDialog() = default;

    // Creates the window of one control as a child of the dialog.
    virtual std::unique_ptr<Tvx_ControlWindow> createControlWindow(
        const ControlWindowDescription& description) = 0;
    // The drawn windows changed (order, selection, contents): paint the dialog again.
    virtual void repaint() = 0;
    // The identifier of the child window that has the keyboard focus; 0 when none.
    virtual int focusedWindowId() const = 0;
    // Whether Shift is held (the key state the Tab handling reads).
    virtual bool isShiftDown() const = 0;

    // The one-line prompt (title, prompt, initial value, OK and Cancel texts); false on cancel.
    virtual bool promptString(const Tvx_String& title, const Tvx_String& prompt,
                              const Tvx_String& value, const Tvx_String& okText,
                              const Tvx_String& cancelText, Tvx_String& answer) = 0;

    // The designer's property fields, by identifier.
    virtual void fillList(int id, const Tvx_StringArray& items) = 0;
    virtual void selectListIndex(int id, int index) = 0;
    virtual int listIndex(int id) const = 0;
    virtual void setItemText(int id, const Tvx_String& text) = 0;
    virtual Tvx_String itemText(int id) const = 0;
    virtual void enableItem(int id, bool enable) = 0;
};
