// Tvx_DlgDesignerData.h - a designed dialog: its controls over a background picture, the pool of
// window identifiers they get, and its template file.
//
// This is the model shared by the dialog designer (design mode) and the macro parameter dialog
// (run-time mode). Until `initialize` gives it a dialog (Tvx_DesignerDialog) the object is "not
// initialized" and works on the model alone; from then on it draws one window per control and the
// layout operations (DesignerLayout.cpp, DesignerTabOrder.cpp, DesignerValues.cpp,
// DesignerProperties.cpp) work on those windows. In design mode a selection
// (Tvx_ControlSelection) knows the drawn controls and which of them are selected.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "designer/DesignerWindows.h"
#include "designer/Tvx_ControlSelection.h"
#include "designer/Tvx_DesignerControl.h"

// Result of handleTabKey.
enum Tvx_TabMsgHandle {
    kTabMovedFocus = 0,       // the focus moved to another designed control
    kTabNotHandled = 1,       // the caller handles the key itself
    kTabForwardFromLast = 2,  // Tab on the last control of the order
    kTabBackFromFirst = 3,    // Shift+Tab on the first control of the order
};

inline constexpr unsigned kVirtualKeyTab = 9;

class Tvx_DlgDesignerData {
  public:
    Tvx_DlgDesignerData() = default;
    // A copy takes the model (controls, id range, template name, picture) but never the window
    // state: the copy is not initialized and owns no windows.
    Tvx_DlgDesignerData(const Tvx_DlgDesignerData& other);
    Tvx_DlgDesignerData& operator=(const Tvx_DlgDesignerData& other);
    // Drops the drawn windows and the selection.
    virtual ~Tvx_DlgDesignerData();

    // The inclusive range of window identifiers handed out by append (empty by default: every
    // control then gets 0). Run-time dialogs use 33000..33099.
    void setIdRange(int firstId, int lastId);
    int getFirstId() const { return m_firstId; }
    int getLastId() const { return m_lastId; }

    // Gives the control the lowest identifier of the range that no control has yet (0 when all
    // are taken), appends a copy and returns the identifier.
    int append(Tvx_DesignerControl& control);
    int getNrControls() const { return m_controls.length(); }
    const Tvx_DesignerControl* getControl(const int& index) const;
    Tvx_DesignerControl* getControlWrite(const int& index);
    // Removes the model entry only; no window is touched.
    bool removeControl(const int& index);
    void removeAllControls() { m_controls.removeAll(); }
    const Tvx_DesignerControl* getControlFromRes(const int& id) const;
    // False for id <= 0 or when no control has it.
    bool findCtrlFromResource(const int& id, int& index) const;
    // The contents (variable names) of all type-2 controls, in control order.
    void getAllCtrlNames(Tvx_StringArray& names) const;

    // Reads a template below the designer root folder. False, with the object unchanged and the
    // reason in lastError(), for a missing file, a path outside the root folder or a file that is
    // not a valid template. With `withBitmap` the picture (same path, ".bmp") is attached too.
    bool readFromFile(const Tvx_String& path, bool withBitmap);
    // Saves the template under `path` (below the root folder; false otherwise, nothing written).
    // Saving under a new name first copies the old template's picture to the new name.
    bool writeToFile(const Tvx_String& path);
    const Tvx_String& lastError() const { return m_lastError; }

    // The template's name: its path below the designer root folder without the extension.
    const Tvx_String& getTemplateName() const { return m_templateName; }
    void setTemplateName(const Tvx_String& name) { m_templateName = name; }

    // Attaches the picture file and takes its pixel size; does nothing when the file does not
    // exist. The size stays 0 x 0 when the file is not a readable picture.
    void attachBitmap(const Tvx_String& path);
    // Forgets the picture: no path, size 0 x 0.
    void detachBitmap();
    const Tvx_String& getPicturePath() const { return m_picturePath; }
    unsigned imageWidth() const { return m_imageWidth; }
    unsigned imageHeight() const { return m_imageHeight; }
    // The picture size as the window side reports it: 0 x 0 until initialized.
    void getImageSize(int& width, int& height) const;

    bool isInitialized() const { return m_initialized; }
    bool isDesignMode() const { return m_designMode; }

    // The whole control list, for snapshots (undo) and comparisons.
    const Tvx_Array<Tvx_DesignerControl>& controls() const { return m_controls; }
    // Replaces the control list, keeping each control's identifier; windows are not touched.
    void setControls(const Tvx_Array<Tvx_DesignerControl>& controls) { m_controls = controls; }

    // ---- Windows ----------------------------------------------------------------------------

    // Binds the object to `dialog` with the identifier range of its controls. Design mode also
    // creates the selection, fills the type list (field `typeFieldId`) with the 31 type texts
    // and shows the properties of the selection. False for a null dialog.
    bool initialize(Tvx_DesignerDialog* dialog, int firstId, int lastId, int typeFieldId,
                    int contentsLabelId, int contentsFieldId, int listLabelId, int listFieldId,
                    bool designMode);
    Tvx_DesignerDialog* getDlgPtr() const { return m_initialized ? m_dialog : nullptr; }
    // The selection of design mode; null in run-time mode and before initialize.
    Tvx_ControlSelection* getTracker() { return m_tracker.get(); }
    const Tvx_ControlSelection* getTracker() const { return m_tracker.get(); }
    // Run-time only: the height of a standard field divided by 20 (1 until set); multi-line
    // bolt-count edits grow with it.
    void setFontScale(double scale) { m_fontScale = scale > 0.0 ? scale : 1.0; }
    double getFontScale() const { return m_fontScale; }

    // The drawn window of control `index`, or of the control with identifier `id`.
    int getNrDrawnControls() const { return static_cast<int>(m_drawn.size()); }
    Tvx_ControlWindow* getDrawnControl(int index) const;
    Tvx_ControlWindow* getCtrlPtr(int id) const;
    // What drawControl creates for `control` (public so that tests see the run-time rules).
    ControlWindowDescription windowSpec(const Tvx_DesignerControl& control) const;
    // The combo items of a control: type 28 its fixed five, else its items or its item file.
    Tvx_StringArray comboItems(const Tvx_DesignerControl& control) const;

    bool drawControl(const Tvx_DesignerControl& control);
    // Run-time mode recomputes the tab order first, design mode clears the selection; then every
    // window is removed and drawn again in control order.
    void redrawAllControls();
    void removeAllDrawnCtrls();
    bool removeDrawnCtrlOnly(const int& id);

    // ---- Geometry (DesignerLayout.cpp) ------------------------------------------------------

    double pixelsToFactor(bool horizontal, double pixels) const;
    double factorToPixels(bool horizontal, double factor) const;
    double getTopLeftX(const Tvx_DesignerControl& control) const;
    double getTopLeftY(const Tvx_DesignerControl& control) const;
    double getBottomRightX(const Tvx_DesignerControl& control) const;
    double getBottomRightY(const Tvx_DesignerControl& control) const;
    void setTopLeftX(Tvx_DesignerControl& control, double pixels) const;
    void setTopLeftY(Tvx_DesignerControl& control, double pixels) const;
    void setBottomRightX(Tvx_DesignerControl& control, double pixels) const;
    void setBottomRightY(Tvx_DesignerControl& control, double pixels) const;
    double getWidth(const Tvx_DesignerControl& control) const;
    double getHeight(const Tvx_DesignerControl& control) const;
    // right := left + width
    void setWidth(Tvx_DesignerControl& control, double pixels) const;
    // top := bottom - height
    void setHeight(Tvx_DesignerControl& control, double pixels) const;
    // The control's rectangle in whole pixels, as drawn in design mode.
    DesignerRect pixelRect(const Tvx_DesignerControl& control) const;

    // Appends a control of `type` at (0.2, 0.2), 30 x 18 pixels, captioned dialog text 171.
    bool addNewControl(Tvx_ControlType type);
    bool removeCurControls();
    // Copies of the selected controls, 20 pixels right and down; only the copies are selected.
    void copyCurCtrls();
    void changeCtrlSize(int index, bool horizontal, double pixels);
    // Asks for the width or height and gives it to the selected controls.
    void changeCtrlSize(bool horizontal);
    // The selected controls take the bottom edge of the leftmost of them.
    bool outlineCurCtrls();
    // Exactly two selected: the right one moves against the right side of the left one.
    bool stickRightCurCtrls();
    bool findMostLeftCtrl(const Tvx_Array<int>& ids, int& index) const;
    void selectCtrls(const Tvx_Array<int>& ids);
    // Moves the selected controls' windows by (dx, dy) pixels (arrow keys, dragging).
    void moveCurCtrls(int dx, int dy);
    Tvx_Array<int> getSelectedIds() const;

    // Reads control `index`'s rectangle back from its window. A window still at the rectangle
    // its fractions give keeps the fractions, so that saving an unchanged template changes nothing.
    bool getSizeFromControl(const int& index);
    void getSizeFromAllControls();

    // ---- Keyboard order (DesignerTabOrder.cpp) -----------------------------------------------

    void sortAllControls();
    void sortNextRow(Tvx_Array<int>& candidates, int& nextOrder);
    bool findCtrlWithTabOrder(const int& order, int& index) const;
    bool containsEditableCtrls() const;
    bool handleTabKey(unsigned key, Tvx_TabMsgHandle& result);
    // The same with the Shift state given by the caller.
    bool handleTabKey(unsigned key, bool shift, Tvx_TabMsgHandle& result);
    bool setFocusToCtrl(const int& index);
    bool setFocusToCtrl(bool first);
    bool getFocusedDynControl(int& id) const;
    bool isADynControl(const int& id) const;
    bool getDynControlType(const int& id, Tvx_ControlType& type) const;

    // ---- Values (DesignerValues.cpp) ---------------------------------------------------------

    bool getCtrlValue(const int& id, Tvx_String& value) const;
    bool setCtrlValue(const int& id, const Tvx_String& value);
    bool setCtrlReadOnly(const int& id, const bool& readOnly);
    bool findEditCtrlWithContents(const Tvx_String& contents, int& index) const;
    bool isTypeBoltCount(const int& id) const;
    bool getFlexBtnsInGroup(const Tvx_String& group, Tvx_Array<int>& all,
                            Tvx_Array<int>& withThirdPart) const;
    void getFlexBtnsGroups(Tvx_StringArray& groups) const;
    bool findFlexButton(const Tvx_String& group, const Tvx_String& name, int& index) const;
    bool getAllFlexVarsOfGroup(const Tvx_String& group, Tvx_StringArray& names) const;
    bool getFlexBtnGroupName(const int& id, Tvx_String& group, Tvx_String& name) const;
    bool getFlexBtnStatus(const int& index, int& state) const;
    bool getSetFlexBtnStatus(const bool& set, const int& index, int& state);
    bool setFlexBtnStatus(const Tvx_String& group, const Tvx_String& name, const int& state);
    bool hideAllFlexBtns(const Tvx_String& group);
    // The controls and their fractional edges on the host command line.
    void printPositions() const;

    // ---- Property fields of the designer (DesignerProperties.cpp) ----------------------------

    void updateProps(const int& index);
    void updatePropsOfCurSel();
    void readProps(const int& index);
    // Reads the fields back into the selected control; true when the control changed.
    bool propsOfCurSelUpdated();
    // The index of the single selected control; -1 otherwise.
    int getCurSel() const;

  protected:
    bool m_initialized = false;
    bool m_updatingProperties = false;
    bool m_designMode = false;
    int m_typeFieldId = 0;
    int m_contentsLabelId = 0;
    int m_contentsFieldId = 0;
    int m_listLabelId = 0;
    int m_listFieldId = 0;

  private:
    void copyModelFrom(const Tvx_DlgDesignerData& other);
    int drawnIndexOf(int id) const;
    // Hands out the identifiers again when a control has none from the current range.
    void renumberControls();

    Tvx_DesignerDialog* m_dialog = nullptr;
    std::vector<std::unique_ptr<Tvx_ControlWindow>> m_drawn;  // entry i: the window of control i
    std::unique_ptr<Tvx_ControlSelection> m_tracker;
    double m_fontScale = 1.0;

    Tvx_String m_picturePath;  // the attached picture; the window layer loads it from here
    unsigned m_imageWidth = 0;
    unsigned m_imageHeight = 0;
    int m_firstId = 0;  // an empty range until set
    int m_lastId = -1;
    Tvx_String m_templateName;
    Tvx_Array<Tvx_DesignerControl> m_controls;
    Tvx_String m_lastError;
};
