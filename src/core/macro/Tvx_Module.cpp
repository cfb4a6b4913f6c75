// Tvx_Module.cpp - module parts: adding with unique names and new ids, finding by name and id.
#include "core/macro/Tvx_Module.h"

#include "core/macro/Tvx_Drawing.h"

namespace {

template <typename T>
T* findByName(Tvx_Array<T>& items, const Tvx_String& name) {
    for (T& item : items) {
        if (item.name.equal(name, false)) {
            return &item;
        }
    }
    return nullptr;
}

template <typename T>
T* findById(Tvx_Array<T>& items, const AcDbObjectId& id) {
    if (id.isNull()) {
        return nullptr;
    }
    for (T& item : items) {
        if (item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

}  // namespace

Tvx_Module::Tvx_Module(Tvx_String name, Tvx_String groupName)
    : name_(std::move(name)), groupName_(std::move(groupName)) {}

bool Tvx_Module::addVariable(const Tvx_DialogVariable& variable) {
    if (variable.name.isEmpty() || findVariable(variable.name) != nullptr) {
        return false;
    }
    variables_.append(variable);
    return true;
}

Tvx_DialogVariable* Tvx_Module::findVariable(const Tvx_String& name) {
    return findByName(variables_, name);
}

const Tvx_DialogVariable* Tvx_Module::findVariable(const Tvx_String& name) const {
    return const_cast<Tvx_Module*>(this)->findVariable(name);
}

Tvx_Cut* Tvx_Module::addCut(Tvx_Cut cut) {
    if (cut.name.isEmpty() || findCut(cut.name) != nullptr) {
        return nullptr;
    }
    if (cut.id.isNull()) {
        cut.id = Tvx_Drawing::newObjectId();
    }
    return &cuts_[cuts_.append(std::move(cut))];
}

Tvx_Cut* Tvx_Module::findCut(const Tvx_String& name) {
    return findByName(cuts_, name);
}

Tvx_Cut* Tvx_Module::findCut(const AcDbObjectId& id) {
    return findById(cuts_, id);
}

const Tvx_Cut* Tvx_Module::findCut(const Tvx_String& name) const {
    return const_cast<Tvx_Module*>(this)->findCut(name);
}

Tvx_BoltPattern* Tvx_BoltModule::addPattern(Tvx_BoltPattern pattern) {
    if (pattern.name.isEmpty() || findPattern(pattern.name) != nullptr) {
        return nullptr;
    }
    if (pattern.id.isNull()) {
        pattern.id = Tvx_Drawing::newObjectId();
    }
    return &patterns_[patterns_.append(std::move(pattern))];
}

Tvx_BoltPattern* Tvx_BoltModule::findPattern(const Tvx_String& name) {
    return findByName(patterns_, name);
}

Tvx_BoltPattern* Tvx_BoltModule::findPattern(const AcDbObjectId& id) {
    return findById(patterns_, id);
}

const Tvx_BoltPattern* Tvx_BoltModule::findPattern(const AcDbObjectId& id) const {
    return const_cast<Tvx_BoltModule*>(this)->findPattern(id);
}

Tvx_Profile* Tvx_ProfileModule::addProfile(Tvx_Profile profile) {
    if (profile.id.isNull()) {
        profile.id = Tvx_Drawing::newObjectId();
    }
    return &profiles_[profiles_.append(std::move(profile))];
}

Tvx_Profile* Tvx_ProfileModule::findProfile(const Tvx_String& memberName) {
    if (memberName.isEmpty()) {
        return nullptr;
    }
    for (Tvx_Profile& profile : profiles_) {
        if (profile.memberName.equal(memberName, false)) {
            return &profile;
        }
    }
    return nullptr;
}

Tvx_Profile* Tvx_ProfileModule::findProfile(const AcDbObjectId& id) {
    return findById(profiles_, id);
}
