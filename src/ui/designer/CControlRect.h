// CControlRect.h - one drawn control of a designed dialog: the Qt widget made for its kind
// (label, group box, push button, check box, flex button, edit, multi-line edit, combo box) and
// its rectangle. The designer's tracker paints its frame and handles; the widget itself is inert
// in design mode so that the designer gets every click.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "designer/DesignerWindows.h"

class QComboBox;

class CControlRect : public QObject, public Tvx_ControlWindow {
    Q_OBJECT

  public:
    // Creates the widget as a child of `parent` (visible).
    CControlRect(const ControlWindowDescription& description, QWidget* parent);
    ~CControlRect() override;

    QWidget* widget() const { return widget_; }
    const ControlWindowDescription& description() const { return description_; }

    int id() const override { return description_.id; }
    DesignerRect rect() const override { return rect_; }
    void setRect(const DesignerRect& rect) override;
    Tvx_String text() const override;
    void setText(const Tvx_String& text) override;
    bool isEnabled() const override;
    void setEnabled(bool enabled) override;
    bool isVisible() const override;
    void setVisible(bool visible) override;
    void setFocus() override;
    int checkState() const override;
    void setCheckState(int state, bool threeState) override;
    void setItems(const Tvx_StringArray& items) override;
    int itemCount() const override;
    Tvx_String itemText(int index) const override;
    int selectedIndex() const override;
    void setSelectedIndex(int index) override;

  signals:
    // The user changed the control's value (text, selection, check state).
    void valueChanged(int id);

  private:
    QWidget* createWidget(QWidget* parent);
    QComboBox* combo() const;
    void applyFlexText();

    ControlWindowDescription description_;
    DesignerRect rect_;
    QPointer<QWidget> widget_;
    Tvx_String flexText_;  // a flex button shows its name only where there is room
};
