// OvFindDialog.h - what the grid needs of its modeless find/replace dialog, and the factory
// the dialog layer installs to make one. Without a factory F3 and F5 open nothing.
#pragma once

#include <memory>

#include "base/Service.h"
#include "core/Tvx_String.h"

class Tvx_Spread;

class OvFindDialog {
  public:
    virtual ~OvFindDialog() = default;
    virtual void show() = 0;
    // False once the user closed it; the next F3 or F5 then shows it again.
    virtual bool isOpen() const { return true; }
    virtual Tvx_String findWhat() const = 0;
    virtual Tvx_String replaceWith() const = 0;
    // True when a cell matches by containing the text, false when it must equal it.
    virtual bool matchSubstring() const = 0;
};

class OvFindDialogFactory {
  public:
    virtual ~OvFindDialogFactory() = default;
    // The find dialog of the grid `owner`; null when none can be made.
    virtual std::unique_ptr<OvFindDialog> create(Tvx_Spread& owner) = 0;
};

// The factory slot; empty by default.
ovbase::Service<OvFindDialogFactory>& findDialogFactory();
