// CMacroPage.h - what the macro parameter dialog asks of each of its tab pages: build from the
// dialog's record, show the record's values again, and the size the page wants.
#pragma once

#include <QWidget>

class CDlgMacro;
class MacroTabData;

class CMacroPage : public QWidget {
    Q_OBJECT

  public:
    CMacroPage(CDlgMacro* owner, int pageIndex, QWidget* parent);

    int pageIndex() const { return pageIndex_; }
    CDlgMacro* owner() const { return owner_; }
    // The page's tab in the owner's record; null when the record has no such tab any more.
    MacroTabData* tab() const;

    // Creates the page's controls from the record.
    virtual void buildPage() = 0;
    // Shows the record's values again (after an apply elsewhere changed the record).
    virtual void refreshValues() = 0;
    // Reads every control back and applies the changes to the drawing.
    virtual void applyPage() = 0;
    // A page being replaced handles nothing more: a field that loses the focus as the page goes
    // must not write its old value over the record's new one.
    virtual void retire() { ready_ = false; }
    // The extent the page needs to show everything.
    virtual QSize wantedSize() const = 0;

  protected:
    // No command is handled while the page builds or applies.
    bool ready_ = false;

  private:
    CDlgMacro* owner_;
    int pageIndex_;
};
