// Tvx_DbMacro.h - a macro as an object of the drawing database: its id, its macro (which may be
// missing, as for a macro whose definition could not be loaded) and the ids of the drawing
// profiles it connects (its base profiles, in order).
#pragma once

#include <memory>

#include "core/AcArray.h"
#include "core/macro/Tvx_Macro.h"
#include "host/AcDbObjectId.h"

class Tvx_DbMacro {
  public:
    explicit Tvx_DbMacro(AcDbObjectId id, std::unique_ptr<Tvx_Macro> macro = nullptr)
        : id_(id), macro_(std::move(macro)) {}
    Tvx_DbMacro(const Tvx_DbMacro&) = delete;
    Tvx_DbMacro& operator=(const Tvx_DbMacro&) = delete;

    const AcDbObjectId& id() const { return id_; }
    const Tvx_Macro* macro() const { return macro_.get(); }
    Tvx_Macro* macroWrite() { return macro_.get(); }
    void setMacro(std::unique_ptr<Tvx_Macro> macro) { macro_ = std::move(macro); }

    const AcArray<AcDbObjectId>& baseProfileIds() const { return baseProfiles_; }
    void addBaseProfile(const AcDbObjectId& id) { baseProfiles_.append(id); }

  private:
    AcDbObjectId id_;
    std::unique_ptr<Tvx_Macro> macro_;
    AcArray<AcDbObjectId> baseProfiles_;
};
