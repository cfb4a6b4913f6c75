// ProfileChoice.cpp - section lists for combo boxes.
#include "seclib/ProfileChoice.h"

#include "core/Paths.h"
#include "core/Texts.h"
#include "core/sections/Tvx_SectionTableManager.h"
#include "seclib/ProfileIcons.h"
#include "seclib/Tvx_ProfValuesTable.h"

namespace {
constexpr int kTextUndefined = 695;
}

Tvx_String getUserSectionName(const Tvx_String& fullName) {
    Tvx_String userName;
    if (gSectionTables.getUserName(fullName, userName) == Acad::eOk && !userName.isEmpty()) {
        return userName;
    }
    return fullName;
}

Tvx_StringArray getSysNamesOfProfile(const Tvx_String& fullName, Tvx_StringArray& displayNames) {
    Tvx_StringArray names;
    const int dash = fullName.find(L'-');
    const Tvx_String type = dash >= 0 ? fullName.left(dash) : fullName;
    Tvx_ProfValuesTable table;
    if (table.readFromFile(type + L".pr")) {
        table.typeName = type;
        table.getFilteredSysNames(names);
        const int languageColumn = table.getColumnIdx(MacroLangs::GetCurLanguage());
        for (int row = 0, shown = 0; row < table.rows.length(); ++row) {
            const Tvx_StringArray& fields = table.rows[row];
            if (fields.length() > 1 && fields[1] == L"0") {
                continue;
            }
            Tvx_String user = languageColumn >= 0 && languageColumn < fields.length()
                                  ? fields[languageColumn]
                                  : Tvx_String();
            if (shown < names.length()) {
                displayNames.append(user.isEmpty() ? names[shown] : user);
            }
            ++shown;
        }
    }
    displayNames.append(dialString(kTextUndefined));
    return names;
}

ProfileComboEntries profileComboEntries(const Tvx_String& fullName) {
    ProfileComboEntries out;
    Tvx_String ownName;
    if (fullName.startsWith(kUserSectionsFolder, false)) {
        out.names.append(fullName);
        ownName = removeExtension(
            fullName.mid(static_cast<int>(std::wstring_view(kUserSectionsFolder).size())));
        out.entries.append(ownName);
        out.entries.append(dialString(kTextUndefined));
    } else {
        out.names = getSysNamesOfProfile(fullName, out.entries);
        ownName = getUserSectionName(fullName);
    }
    out.selected = out.entries.find(ownName, true);
    if (out.selected < 0) {
        out.selected = out.names.find(fullName, false);
    }
    return out;
}
