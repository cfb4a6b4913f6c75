// ProfileCombo.cpp - section combo boxes.
#include "ui/seclib/ProfileCombo.h"

#include <QComboBox>

#include "seclib/ProfileChoice.h"
#include "ui/QtText.h"
#include "ui/seclib/DlgSelectProf.h"

void fillProfileCombo(QComboBox& combo, Tvx_StringArray& names, const Tvx_String& fullName) {
    const ProfileComboEntries entries = profileComboEntries(fullName);
    names = entries.names;
    combo.clear();
    combo.addItems(ovui::toQt(entries.entries));
    combo.setCurrentIndex(entries.selected);
}

bool selectProfileToCombo(QComboBox& combo, Tvx_StringArray& names) {
    Tvx_String name;
    if (!selectProfile(name, false)) {
        return false;
    }
    fillProfileCombo(combo, names, name);
    return true;
}

bool getSelectedProfile(const QComboBox& combo, const Tvx_StringArray& names, Tvx_String& name) {
    const int index = combo.currentIndex();
    if (index < 0 || index >= names.length()) {
        return false;
    }
    name = names[index];
    return true;
}
