// AcrxHost.h - the host application's system registry as the module reaches it: the
// dynamic linker (unlock, MDI awareness) and the registered command groups. The stand-in
// keeps a journal of every call so that a host (or a test) can see what the module asked.
#pragma once

#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

class AcRxObject {
  public:
    virtual ~AcRxObject() = default;
};

class AcRxDynamicLinker : public AcRxObject {
  public:
    static AcRxDynamicLinker* cast(AcRxObject* object) {
        return dynamic_cast<AcRxDynamicLinker*>(object);
    }
    bool unlockApplication(void* appId);
    bool lockApplication(void* appId);
    bool isApplicationLocked(void* appId) const;
    bool registerAppMDIAware(void* appId);
    bool isAppMDIAware(void* appId) const;

  private:
    std::set<void*> unlocked_;
    std::set<void*> mdiAware_;
};

// The registered commands, by group name.
class AcEdCommandStack : public AcRxObject {
  public:
    static AcEdCommandStack* cast(AcRxObject* object) {
        return dynamic_cast<AcEdCommandStack*>(object);
    }
    void addCommand(const std::wstring& group, const std::wstring& command);
    // Returns false when the group does not exist.
    bool removeGroup(const std::wstring& group);
    bool hasGroup(const std::wstring& group) const;

  private:
    std::map<std::wstring, std::vector<std::wstring>> groups_;
};

// The host's system registry of service objects: "DynamicLinker",
// "ACAD_REGISTERED_COMMANDS".
class AcRxDictionary {
  public:
    AcRxObject* at(const std::wstring& name) const;

  private:
    friend AcRxDictionary* acrxSysRegistry();
    AcRxDictionary();
    std::map<std::wstring, AcRxObject*> entries_;
};

AcRxDictionary* acrxSysRegistry();

// What the module asked of the host, one line per call, e.g. "unlockApplication".
std::vector<std::string> acrxHostJournal();
void acrxHostJournalAppend(const std::string& line);
void acrxHostJournalClear();
