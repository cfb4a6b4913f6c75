// Tvx_DlgDesignerData.h - a designed dialog: its controls over a background picture, the pool of
// window identifiers they get, and its template file.
//
// This is the model shared by the dialog designer (design mode) and the macro parameter dialog
// (run-time mode). The window side (initialize with a dialog, drawing the controls, the selection
// tracker, the property fields) is added by the designer window layer on top of these fields; until
// then the object is "not initialized" and works on the model alone.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "designer/Tvx_DesignerControl.h"

class Tvx_DlgDesignerData {
  public:
    Tvx_DlgDesignerData() = default;
    // A copy takes the model (controls, id range, template name, picture) but never the window
    // state: the copy is not initialized and owns no windows.
    Tvx_DlgDesignerData(const Tvx_DlgDesignerData& other);
    Tvx_DlgDesignerData& operator=(const Tvx_DlgDesignerData& other);
    virtual ~Tvx_DlgDesignerData() = default;

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
    const Tvx_String& getPicturePath() const { return m_picturePath; }
    unsigned imageWidth() const { return m_imageWidth; }
    unsigned imageHeight() const { return m_imageHeight; }
    // The picture size as the window side reports it: 0 x 0 until initialized.
    void getImageSize(int& width, int& height) const;

    bool isInitialized() const { return m_initialized; }
    bool isDesignMode() const { return m_designMode; }

  protected:
    // Window state, set by the window layer's initialize.
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

    Tvx_String m_picturePath;  // the attached picture; the window layer loads it from here
    unsigned m_imageWidth = 0;
    unsigned m_imageHeight = 0;
    int m_firstId = 0;  // an empty range until set
    int m_lastId = -1;
    Tvx_String m_templateName;
    Tvx_Array<Tvx_DesignerControl> m_controls;
    Tvx_String m_lastError;
};
