// AcrxHost.cpp - the host system registry stand-in and its journal.
#include "host/AcrxHost.h"

#include "base/Utf8.h"

namespace {

std::mutex& journalMutex() {
    static std::mutex m;
    return m;
}

std::vector<std::string>& journal() {
    static std::vector<std::string> lines;
    return lines;
}

}  // namespace

void acrxHostJournalAppend(const std::string& line) {
    std::lock_guard lock(journalMutex());
    journal().push_back(line);
}

std::vector<std::string> acrxHostJournal() {
    std::lock_guard lock(journalMutex());
    return journal();
}

void acrxHostJournalClear() {
    std::lock_guard lock(journalMutex());
    journal().clear();
}

bool AcRxDynamicLinker::unlockApplication(void* appId) {
    acrxHostJournalAppend("unlockApplication");
    unlocked_.insert(appId);
    return true;
}

bool AcRxDynamicLinker::lockApplication(void* appId) {
    acrxHostJournalAppend("lockApplication");
    unlocked_.erase(appId);
    return true;
}

bool AcRxDynamicLinker::isApplicationLocked(void* appId) const {
    return unlocked_.count(appId) == 0;
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId) {
    acrxHostJournalAppend("registerAppMDIAware");
    mdiAware_.insert(appId);
    return true;
}

bool AcRxDynamicLinker::isAppMDIAware(void* appId) const {
    return mdiAware_.count(appId) != 0;
}

void AcEdCommandStack::addCommand(const std::wstring& group, const std::wstring& command) {
    groups_[group].push_back(command);
}

bool AcEdCommandStack::removeGroup(const std::wstring& group) {
    acrxHostJournalAppend("removeGroup " + ovbase::toUtf8(group));
    return groups_.erase(group) != 0;
}

bool AcEdCommandStack::hasGroup(const std::wstring& group) const {
    return groups_.count(group) != 0;
}

AcRxDictionary::AcRxDictionary() {
    static AcRxDynamicLinker linker;
    static AcEdCommandStack commands;
    entries_[L"DynamicLinker"] = &linker;
    entries_[L"ACAD_REGISTERED_COMMANDS"] = &commands;
}

AcRxObject* AcRxDictionary::at(const std::wstring& name) const {
    auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : it->second;
}

AcRxDictionary* acrxSysRegistry() {
    static AcRxDictionary registry;
    return &registry;
}
