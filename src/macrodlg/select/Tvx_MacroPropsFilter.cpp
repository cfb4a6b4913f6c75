// Tvx_MacroPropsFilter.cpp - candidates, their properties, the filter and the previews.
#include "macrodlg/select/Tvx_MacroPropsFilter.h"

#include <cwctype>
#include <vector>

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/Texts.h"
#include "core/Tvx_PropertiesList.h"
#include "core/Tvx_Settings.h"
#include "macrodlg/select/PreviewBitmap.h"

Tvx_String Tvx_MacroPropsFilter::macroFolder() {
    return gSettings.libDir + L"Macros\\";
}

void Tvx_MacroPropsFilter::init(const Tvx_StringArray& names, const AcArray<bool>& flags,
                                int defaultIndex, int second) {
    candidates_.removeAll();
    merged_.removeAll();
    defaultIndex_ = defaultIndex;
    second_ = second;
    std::vector<bool> enabled;
    for (const bool flag : flags) {  // by value: a bool array hands out no references
        enabled.push_back(flag);
    }
    for (int i = 0; i < names.length(); ++i) {
        if (static_cast<std::size_t>(i) < enabled.size() && !enabled[static_cast<std::size_t>(i)]) {
            continue;
        }
        Candidate candidate;
        candidate.drawing = macroFolder() + names[i] + L".dwg";
        if (!fileExists(candidate.drawing)) {
            continue;
        }
        Tvx_PropertiesList properties;
        if (properties.readFromFile(candidate.drawing)) {
            candidate.keys = properties.keys();
            for (const Tvx_String& key : candidate.keys) {
                Tvx_String value;
                properties.getProperty(key, value);
                candidate.values.append(value);
            }
        }
        for (int k = 0; k < candidate.keys.length(); ++k) {
            int p = 0;
            while (p < merged_.length() && !merged_[p].name.equal(candidate.keys[k], false)) {
                ++p;
            }
            if (p == merged_.length()) {
                merged_.append(MergedProperty{candidate.keys[k], {}, {}});
            }
            if (!merged_[p].values.contains(candidate.values[k], false)) {
                merged_[p].values.append(candidate.values[k]);
                merged_[p].states.append(1);
            }
        }
        candidates_.append(candidate);
    }
}

Tvx_StringArray Tvx_MacroPropsFilter::getAllDwgFiles() const {
    Tvx_StringArray files;
    for (const Candidate& candidate : candidates_) {
        files.append(candidate.drawing);
    }
    return files;
}

bool Tvx_MacroPropsFilter::CreatePreviewBMPs(const Tvx_StringArray& drawings,
                                             const Tvx_String& extension) const {
    bool all = true;
    for (const Tvx_String& drawing : drawings) {
        const Tvx_String name = getFileName(removeExtension(drawing));
        all = writePreviewBitmap(changeExtension(drawing, extension), name) && all;
    }
    return all;
}

bool Tvx_MacroPropsFilter::setState(int property, int value, bool on) {
    if (!merged_.isValid(property) || !merged_[property].states.isValid(value)) {
        return false;
    }
    merged_[property].states.setAt(value, on ? 1 : 0);
    return true;
}

Tvx_StringArray Tvx_MacroPropsFilter::getFilteredMacros() const {
    Tvx_StringArray files;
    for (const Candidate& candidate : candidates_) {
        bool passes = true;
        for (const MergedProperty& property : merged_) {
            const int k = candidate.keys.find(property.name, false);
            if (k < 0) {
                continue;
            }
            const int v = property.values.find(candidate.values[k], false);
            passes = passes && v >= 0 && property.states[v] != 0;
        }
        if (passes) {
            files.append(candidate.drawing);
        }
    }
    return files;
}

Tvx_StringArray macroDisplayNames(const Tvx_StringArray& files) {
    Tvx_StringArray full;
    Tvx_StringArray shortened;
    for (const Tvx_String& file : files) {
        const Tvx_String name =
            gMacroLangs.GetString(Tvx_String(), getFileName(removeExtension(file)));
        std::wstring text = name.wstr();
        while (!text.empty() && std::iswdigit(static_cast<wint_t>(text.back()))) {
            text.pop_back();
        }
        full.append(name);
        shortened.append(Tvx_String(text));
    }
    for (int i = 0; i < shortened.length(); ++i) {
        if (shortened[i].isEmpty() || shortened.find(shortened[i], false, i + 1) >= 0) {
            return full;
        }
    }
    return shortened;
}

Tvx_String macroPreviewFile(const Tvx_String& drawing) {
    const Tvx_String bmp = changeExtension(drawing, L"bmp");
    return fileExists(bmp) ? bmp : changeExtension(drawing, L"abm");
}
