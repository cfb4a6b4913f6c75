// DesignedPage.h - one designed dialog on screen: the template's picture, drawn with white as
// transparent, and a widget per control over it at the template's fractional coordinates.
//
// In run-time mode this is the page the macro parameter dialog shows (and the designer's
// preview): showTemplate binds a Tvx_DlgDesignerData to the page, draws its controls in their tab
// order and lets Tab move through that order. In design mode (startDesign) the page also carries
// the selection tracker on top of the controls, and forwards the property fields to the designer
// window.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "designer/Tvx_DlgDesignerData.h"

class CControlTracker;
class OvDialog;
class QWidget;

class DesignedPage : public QWidget, public Tvx_DesignerDialog {
    Q_OBJECT

  public:
    // Identifier range of the controls of a run-time page.
    static constexpr int kFirstRunTimeId = 33000;
    static constexpr int kLastRunTimeId = 33099;

    explicit DesignedPage(QWidget* parent = nullptr);
    ~DesignedPage() override;

    // Run-time mode: binds `data` (which must outlive the page's use of it), draws its controls
    // and orders them. False when `data` cannot be bound.
    bool showTemplate(Tvx_DlgDesignerData& data);
    // Design mode: binds `data` with the designer's id range and property fields, which live in
    // `fields`.
    bool startDesign(Tvx_DlgDesignerData& data, OvDialog* fields, int firstId, int lastId,
                     int typeFieldId, int contentsLabelId, int contentsFieldId, int listLabelId,
                     int listFieldId);

    Tvx_DlgDesignerData* data() const { return data_; }
    CControlTracker* tracker() const { return tracker_; }
    // The widget of the control with identifier `id`; null when there is none.
    QWidget* controlWidget(int id) const;
    // Loads the data's picture again (after a new one was attached) and adjusts the page size.
    void reloadPicture();
    const QPixmap& picture() const { return picture_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Tvx_DesignerDialog
    std::unique_ptr<Tvx_ControlWindow> createControlWindow(
        const ControlWindowDescription& description) override;
    void repaint() override;
    int focusedWindowId() const override;
    bool isShiftDown() const override;
    bool promptString(const Tvx_String& title, const Tvx_String& prompt, const Tvx_String& value,
                      const Tvx_String& okText, const Tvx_String& cancelText,
                      Tvx_String& answer) override;
    void fillList(int id, const Tvx_StringArray& items) override;
    void selectListIndex(int id, int index) override;
    int listIndex(int id) const override;
    void setItemText(int id, const Tvx_String& text) override;
    Tvx_String itemText(int id) const override;
    void enableItem(int id, bool enable) override;

  signals:
    // A run-time control's value was changed by the user.
    void controlValueChanged(int id);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    // The picture size, or the extent of the controls when there is no picture.
    QSize contentSize() const;

    Tvx_DlgDesignerData* data_ = nullptr;
    OvDialog* fields_ = nullptr;
    CControlTracker* tracker_ = nullptr;
    QPixmap picture_;
};

// The template's picture with its pure white pixels made transparent; null when unreadable.
QPixmap loadDesignerPicture(const Tvx_String& path);
