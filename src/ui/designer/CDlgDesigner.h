// CDlgDesigner.h - the dialog designer (template 227): the template's picture with its controls
// in the upper part, selected, moved and resized with the mouse; below it the property fields of
// the selected control and the buttons that open, save, add, remove, size, copy and align
// controls and choose the picture; a status bar. Every change can be undone (Ctrl+Z) and redone
// (Ctrl+Shift+Z); closing asks whether to save a modified template.
#pragma once

#include "designer/Tvx_DlgDesignerData.h"
#include "ui/OvDialog.h"
#include "ui/designer/DesignerUndo.h"

class CButtonST;
class CControlTracker;
class DesignedPage;
class QScrollArea;
class QStatusBar;
class QUndoStack;

class CDlgDesigner : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 227;
    static constexpr const wchar_t* kSizeKey = L"DLG_DLGDESIGNER";
    // Control ids.
    static constexpr int kOpen = 1299;
    static constexpr int kSave = 1302;
    static constexpr int kAdd = 1300;
    static constexpr int kRemove = 1301;
    static constexpr int kWidth = 1306;
    static constexpr int kHeight = 1307;
    static constexpr int kCopy = 1199;
    static constexpr int kAlignBottoms = 1200;
    static constexpr int kPlaceRight = 1201;
    static constexpr int kPicture = 1303;
    static constexpr int kTypeList = 1005;
    static constexpr int kContents = 1304;
    static constexpr int kList = 1305;
    static constexpr int kTypeGroup = 1015;
    static constexpr int kContentsGroup = 1016;
    static constexpr int kListGroup = 1017;
    // The identifiers of the designed controls.
    static constexpr int kFirstControlId = 33000;
    static constexpr int kLastControlId = 33099;

    explicit CDlgDesigner(QWidget* parent = nullptr);
    ~CDlgDesigner() override;

    // The template opened at the start; empty for a new one.
    void setTemplatePath(const Tvx_String& path) { m_path = path; }
    Tvx_DlgDesignerData& designerData() { return m_data; }
    DesignedPage* page() const { return page_; }
    CControlTracker* tracker() const;
    QUndoStack* undoStack() const { return undo_; }
    QStatusBar* statusBar() const { return status_; }
    // The template differs from what was last opened or saved.
    bool isModified() const;
    // The minimum size: the window's size when it first opened.
    QSize minimumWindowSize() const { return initialSize_; }

    // The commands, as the buttons run them.
    void OnOpen();
    bool OnSave();
    void OnAdd();
    void OnRemove();
    void OnPicture();
    void OnCopy();
    void OnAlignBottoms();
    void OnPlaceRight();
    void OnChangeSize(bool horizontal);
    void OnUndo();
    void OnRedo();

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    void keyPressEvent(QKeyEvent* event) override;
    // The buttons' hints go to the status bar.
    bool event(QEvent* event) override;

  private:
    void buildControls();
    // The save question; false when it was cancelled.
    bool saveQuestion();
    // Reads a template with its picture, replacing the one shown; false (nothing changed) when
    // it cannot be read.
    bool loadTemplate(const Tvx_String& path);
    // Grows the window so that the whole page shows, within the screen.
    void fitPicture();
    void updateTitle();
    void updateStatus();
    void selectionChanged();
    void propertyEdited(int fieldId);
    // Records the change just made as one undo step (nothing when the controls did not change).
    void recordChange(const QString& what, int mergeKey = -1);
    DesignerState currentState();
    void applyState(const DesignerState& state);
    void markSaved();
    // The folder file dialogs start in: the current template's, else the root folder.
    Tvx_String startFolder() const;

    Tvx_String m_path;
    Tvx_DlgDesignerData m_data;
    DesignedPage* page_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QStatusBar* status_ = nullptr;
    QUndoStack* undo_ = nullptr;
    DesignerState last_;           // the state the undo stack's top command leads to
    bool pictureChanged_ = false;  // a new picture is not undone; it counts until saved
    QSize initialSize_{50, 50};
};

// Opens the designer on the template `path` (empty or missing: a new template); true when it
// was closed with OK.
bool StartDlgDesigner(const Tvx_String& path);
