// Tvx_Drawing.cpp - drawing content, ids and the list of live drawings through which ids
// resolve.
#include "core/macro/Tvx_Drawing.h"

#include <algorithm>
#include <atomic>

namespace {

std::atomic<std::uint64_t> gNextObjectId{0x1000};

// Never destroyed: a drawing held by another static (the studio's session) may outlive it.
std::vector<Tvx_Drawing*>& liveDrawings() {
    static auto* drawings = new std::vector<Tvx_Drawing*>;
    return *drawings;
}

// Runs `find` on every live drawing; the first non-null answer wins.
template <typename Find>
auto findInOpenDrawings(Find find) -> decltype(find(*liveDrawings().front())) {
    for (Tvx_Drawing* drawing : liveDrawings()) {
        if (auto* found = find(*drawing)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

Tvx_Drawing::Tvx_Drawing() {
    liveDrawings().push_back(this);
}

Tvx_Drawing::~Tvx_Drawing() {
    auto& drawings = liveDrawings();
    drawings.erase(std::remove(drawings.begin(), drawings.end(), this), drawings.end());
}

AcDbObjectId Tvx_Drawing::newObjectId() {
    return AcDbObjectId(gNextObjectId++);
}

const std::vector<Tvx_Drawing*>& Tvx_Drawing::openDrawings() {
    return liveDrawings();
}

AcDbObjectId Tvx_Drawing::addProfile(Tvx_Profile profile) {
    if (profile.id.isNull()) {
        profile.id = newObjectId();
    }
    profiles_.append(profile);
    return profile.id;
}

Tvx_DbMacro* Tvx_Drawing::addMacro(std::unique_ptr<Tvx_Macro> macro) {
    if (macro) {
        macro->attachGeneralVariables(&generalVariables_);
    }
    macros_.push_back(std::make_unique<Tvx_DbMacro>(newObjectId(), std::move(macro)));
    return macros_.back().get();
}

Tvx_DbMacro* Tvx_Drawing::findDbMacro(const AcDbObjectId& id) const {
    if (id.isNull()) {
        return nullptr;
    }
    // addMacro is the only way in and hands out ever larger ids, so the list is in id order:
    // a drawing of many macros is not searched from the start for each one.
    const auto found =
        std::lower_bound(macros_.begin(), macros_.end(), id,
                         [](const std::unique_ptr<Tvx_DbMacro>& dbMacro, const AcDbObjectId& key) {
                             return dbMacro->id() < key;
                         });
    return found != macros_.end() && (*found)->id() == id ? found->get() : nullptr;
}

Tvx_Profile* Tvx_Drawing::findProfile(const AcDbObjectId& id) {
    if (id.isNull()) {
        return nullptr;
    }
    for (Tvx_Profile& profile : profiles_) {
        if (profile.id == id) {
            return &profile;
        }
    }
    for (const auto& dbMacro : macros_) {
        Tvx_Macro* macro = dbMacro->macroWrite();
        for (int i = 0; macro != nullptr && i < macro->moduleCount(); ++i) {
            if (auto* profiles = dynamic_cast<Tvx_ProfileModule*>(macro->module(i))) {
                if (Tvx_Profile* found = profiles->findProfile(id)) {
                    return found;
                }
            }
        }
    }
    return nullptr;
}

bool Tvx_Drawing::eraseProfile(const AcDbObjectId& id) {
    for (int i = 0; !id.isNull() && i < profiles_.length(); ++i) {
        if (profiles_[i].id == id) {
            return profiles_.removeAt(i);
        }
    }
    return false;
}

Tvx_Cut* Tvx_Drawing::findCut(const AcDbObjectId& id, Tvx_Module** owner) {
    for (const auto& dbMacro : macros_) {
        Tvx_Macro* macro = dbMacro->macroWrite();
        for (int i = 0; macro != nullptr && i < macro->moduleCount(); ++i) {
            if (Tvx_Cut* cut = macro->module(i)->findCut(id)) {
                if (owner != nullptr) {
                    *owner = macro->module(i);
                }
                return cut;
            }
        }
    }
    return nullptr;
}

Tvx_BoltPattern* Tvx_Drawing::findPattern(const AcDbObjectId& id, Tvx_BoltModule** owner) {
    for (const auto& dbMacro : macros_) {
        Tvx_Macro* macro = dbMacro->macroWrite();
        for (int i = 0; macro != nullptr && i < macro->moduleCount(); ++i) {
            auto* bolts = dynamic_cast<Tvx_BoltModule*>(macro->module(i));
            if (Tvx_BoltPattern* pattern = bolts ? bolts->findPattern(id) : nullptr) {
                if (owner != nullptr) {
                    *owner = bolts;
                }
                return pattern;
            }
        }
    }
    return nullptr;
}

void Tvx_Drawing::swapContents(Tvx_Drawing& other) {
    std::swap(generalVariables_, other.generalVariables_);
    std::swap(profiles_, other.profiles_);
    std::swap(macros_, other.macros_);
    std::swap(sheets_, other.sheets_);
    attachMacros();
    other.attachMacros();
}

void Tvx_Drawing::attachMacros() {
    for (const auto& dbMacro : macros_) {
        if (Tvx_Macro* macro = dbMacro->macroWrite()) {
            macro->attachGeneralVariables(&generalVariables_);
        }
    }
}

Tvx_DbMacro* openDbMacro(const AcDbObjectId& id) {
    return findInOpenDrawings([&](Tvx_Drawing& d) { return d.findDbMacro(id); });
}

Tvx_Profile* openProfile(const AcDbObjectId& id) {
    return findInOpenDrawings([&](Tvx_Drawing& d) { return d.findProfile(id); });
}

bool eraseOpenProfile(const AcDbObjectId& id) {
    for (Tvx_Drawing* drawing : liveDrawings()) {
        if (drawing->eraseProfile(id)) {
            return true;
        }
    }
    return false;
}

Tvx_Cut* openCut(const AcDbObjectId& id, Tvx_Module** owner) {
    return findInOpenDrawings([&](Tvx_Drawing& d) { return d.findCut(id, owner); });
}

Tvx_BoltPattern* openBoltPattern(const AcDbObjectId& id, Tvx_BoltModule** owner) {
    return findInOpenDrawings([&](Tvx_Drawing& d) { return d.findPattern(id, owner); });
}
