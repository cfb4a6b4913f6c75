// CMacroPage.cpp - the common part of the macro dialog's pages.
#include "ui/macrodlg/CMacroPage.h"

#include "ui/macrodlg/CDlgMacro.h"

CMacroPage::CMacroPage(CDlgMacro* owner, int pageIndex, QWidget* parent)
    : QWidget(parent), owner_(owner), pageIndex_(pageIndex) {}

MacroTabData* CMacroPage::tab() const {
    return owner_->data().getTab(pageIndex_);
}
