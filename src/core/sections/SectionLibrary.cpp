// SectionLibrary.cpp - section groups, section types and the editor record's file lists.
#include "core/sections/SectionLibrary.h"

#include <algorithm>

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/Texts.h"
#include "core/Tvx_Settings.h"

namespace {
constexpr int kTextNewGroup = 758;
}

Tvx_String nameInWorkingLanguage(const Tvx_StringArray& names) {
    const Tvx_StringArray languages = MacroLangs::GetAllLanguages();
    const int current = languages.find(MacroLangs::GetCurLanguage(), false);
    if (current >= 0 && current < names.length() && !names[current].isEmpty()) {
        return names[current];
    }
    const int english = languages.find(L"English", false);
    if (english >= 0 && english < names.length() && !names[english].isEmpty()) {
        return names[english];
    }
    for (const Tvx_String& name : names) {
        if (!name.isEmpty()) {
            return name;
        }
    }
    return {};
}

Tvx_String SectionGroupArray::getName(int i) const {
    return valid(i) ? nameInWorkingLanguage(groups_[i].names) : Tvx_String();
}

bool SectionGroupArray::getEnabled(int i) const {
    return valid(i) && groups_[i].enabled;
}

void SectionGroupArray::setEnabled(int i, bool enabled) {
    if (valid(i)) {
        groups_[i].enabled = enabled;
    }
}

Tvx_String SectionGroupArray::getImage(int i) const {
    return valid(i) ? groups_[i].image : Tvx_String();
}

void SectionGroupArray::setImage(int i, const Tvx_String& image) {
    if (valid(i)) {
        groups_[i].image = image;
    }
}

Tvx_StringArray SectionGroupArray::getLangs(int i) const {
    return valid(i) ? groups_[i].names : Tvx_StringArray();
}

void SectionGroupArray::setLangs(int i, const Tvx_StringArray& names) {
    if (valid(i)) {
        groups_[i].names = names;
    }
}

int SectionGroupArray::getId(int i) const {
    return valid(i) ? groups_[i].id : -1;
}

int SectionGroupArray::appendNewGrp() {
    SectionGroup group;
    for (const SectionGroup& existing : groups_) {
        group.id = std::max(group.id, existing.id + 1);
    }
    group.names = dialStringAllLangs(kTextNewGroup);
    return groups_.append(group);
}

bool SectionGroupArray::appendGroup(const SectionGroup& group) {
    if (group.id < 0 || indexOfId(group.id) >= 0) {
        return false;
    }
    groups_.append(group);
    return true;
}

bool SectionGroupArray::removeAt(int i) {
    return groups_.removeAt(i);
}

bool SectionGroupArray::swap(int i, int j) {
    if (!valid(i) || !valid(j)) {
        return false;
    }
    std::swap(groups_[i], groups_[j]);
    return true;
}

void SectionGroupArray::namesOfAllGroups(Tvx_StringArray& names, Tvx_Array<int>& ids) const {
    names.removeAll();
    ids.removeAll();
    for (int i = 0; i < length(); ++i) {
        names.append(getName(i));
        ids.append(groups_[i].id);
    }
}

int SectionGroupArray::indexOfId(int id) const {
    for (int i = 0; i < length(); ++i) {
        if (groups_[i].id == id) {
            return i;
        }
    }
    return -1;
}

SectionType::SectionType(bool enabled, const Tvx_String& image, int groupId,
                         const Tvx_String& profTable, const Tvx_StringArray& names)
    : enabled(enabled), image(image), groupId(groupId), profTable(profTable), names(names) {}

Tvx_String SectionType::getName() const {
    return nameInWorkingLanguage(names);
}

void DlgEditLibData::GetAvailableFiles() {
    const Tvx_String folder = gSettings.libDir + L"prof\\";
    drawingFiles = listFiles(folder, L"*.dwg", false);
    profileTables.removeAll();
    for (const Tvx_String& file : listFiles(folder, L"*.pr", false)) {
        profileTables.append(removeExtension(file));
    }
    imageFiles.removeAll();
    for (const wchar_t* pattern : {L"*.bmp", L"*.png", L"*.jpg"}) {
        imageFiles.append(listFiles(folder, pattern, false));
    }
}
