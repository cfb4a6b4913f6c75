// Tvx_Module.h - a module of a macro: a named part (plate, bolts, profiles) with dialog
// variables and cuts. Bolt modules (type code 232) add bolt data and patterns, profile modules
// (type code 233) add placed profiles. Modules own their parts; every cut, pattern and profile
// gets a process-unique object id when it is added.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/Tvx_MacroParts.h"

inline constexpr int kGeneralModuleType = 231;
inline constexpr int kBoltModuleType = 232;
inline constexpr int kProfileModuleType = 233;

class Tvx_Module {
  public:
    Tvx_Module(Tvx_String name, Tvx_String groupName);
    virtual ~Tvx_Module() = default;
    Tvx_Module(const Tvx_Module&) = delete;  // ids are unique: a copy would share them
    Tvx_Module& operator=(const Tvx_Module&) = delete;

    virtual int type() const { return kGeneralModuleType; }

    const Tvx_String& name() const { return name_; }
    const Tvx_String& groupName() const { return groupName_; }
    // The group name, or the module's own name when it has none.
    const Tvx_String& groupKey() const { return groupName_.isEmpty() ? name_ : groupName_; }
    const Tvx_String& templatePath() const { return templatePath_; }
    void setTemplatePath(const Tvx_String& path) { templatePath_ = path; }

    // Variables and cuts are found by name, ignoring case. Adding fails (false / null) for an
    // empty or already used name.
    bool addVariable(const Tvx_DialogVariable& variable);
    Tvx_DialogVariable* findVariable(const Tvx_String& name);
    const Tvx_DialogVariable* findVariable(const Tvx_String& name) const;
    const Tvx_Array<Tvx_DialogVariable>& variables() const { return variables_; }

    Tvx_Cut* addCut(Tvx_Cut cut);  // gives the cut a new id when it has none
    Tvx_Cut* findCut(const Tvx_String& name);
    Tvx_Cut* findCut(const AcDbObjectId& id);
    const Tvx_Cut* findCut(const Tvx_String& name) const;
    const Tvx_Array<Tvx_Cut>& cuts() const { return cuts_; }

  private:
    Tvx_String name_;
    Tvx_String groupName_;
    Tvx_String templatePath_;
    Tvx_Array<Tvx_DialogVariable> variables_;
    Tvx_Array<Tvx_Cut> cuts_;
};

class Tvx_BoltModule : public Tvx_Module {
  public:
    using Tvx_Module::Tvx_Module;
    int type() const override { return kBoltModuleType; }

    Tvx_BoltData& boltData() { return boltData_; }
    const Tvx_BoltData& boltData() const { return boltData_; }

    Tvx_BoltPattern* addPattern(Tvx_BoltPattern pattern);  // null for an empty or used name
    Tvx_BoltPattern* findPattern(const Tvx_String& name);
    Tvx_BoltPattern* findPattern(const AcDbObjectId& id);
    const Tvx_BoltPattern* findPattern(const AcDbObjectId& id) const;
    const Tvx_Array<Tvx_BoltPattern>& patterns() const { return patterns_; }

  private:
    Tvx_BoltData boltData_;
    Tvx_Array<Tvx_BoltPattern> patterns_;
};

class Tvx_ProfileModule : public Tvx_Module {
  public:
    using Tvx_Module::Tvx_Module;
    int type() const override { return kProfileModuleType; }

    // Member names may be empty (an unnamed placement) or repeat (a group of placements).
    Tvx_Profile* addProfile(Tvx_Profile profile);
    Tvx_Profile* findProfile(const Tvx_String& memberName);  // the first with that member name
    Tvx_Profile* findProfile(const AcDbObjectId& id);
    Tvx_Array<Tvx_Profile>& profiles() { return profiles_; }
    const Tvx_Array<Tvx_Profile>& profiles() const { return profiles_; }

  private:
    Tvx_Array<Tvx_Profile> profiles_;
};
