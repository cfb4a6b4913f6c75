// QtGridHost.h - the dialog host of a Tvx_Spread in any QWidget dialog. Tvx_Spread::create on
// this host replaces the placeholder widget with the grid's view (OvSpreadView): the view takes
// the placeholder's id, and its place in a layout or else the rectangle create computes.
//
// Lifetime: the host detaches its views when it goes, so a spread that is destroyed together
// with its host (members of the same dialog) is never touched by a view afterwards.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>

#include "spread/OvGridHost.h"

namespace ovui::grid {

class OvSpreadView;

class QtGridHost : public OvGridHost {
  public:
    // `placeholders` maps control ids to the widgets a grid may replace. When the dialog is
    // an OvDialog its item(id) controls are found too, and the view is registered under the id.
    explicit QtGridHost(QWidget* dialog, std::map<int, QWidget*> placeholders = {});
    ~QtGridHost() override;
    QtGridHost(const QtGridHost&) = delete;
    QtGridHost& operator=(const QtGridHost&) = delete;

    void addPlaceholder(int controlId, QWidget* widget);

    bool hasControl(int controlId) const override;
    bool controlWindowRect(int controlId, ovgrid::Rect& rect) const override;
    ovgrid::Rect windowRect() const override;
    void destroyControl(int controlId) override;
    bool attachGrid(Tvx_Spread& spread, int controlId, const ovgrid::Rect& rect) override;
    std::intptr_t notificationOwner() const override;

    // The view made for a control id, or null.
    OvSpreadView* view(int controlId) const;

  private:
    QWidget* placeholder(int controlId) const;

    QPointer<QWidget> dialog_;
    std::map<int, QPointer<QWidget>> placeholders_;
    // A placeholder that create() removed, kept hidden until its view takes its place.
    QPointer<QWidget> removed_;
    int removedId_ = 0;
    std::map<int, QPointer<OvSpreadView>> views_;
};

}  // namespace ovui::grid
