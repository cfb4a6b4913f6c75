// SimpleSectionModel.cpp - naming pattern, checks and sorted insertion of the simple editor.
#include "seclib/SimpleSectionModel.h"

#include <algorithm>

#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "seclib/BuiltInShapes.h"

namespace {

constexpr int kMaxPatternRows = 9999;
constexpr int kTextTubeRule1 = 1457;
constexpr int kTextTubeRule2 = 1458;
constexpr int kTextCorrect = 888;
constexpr int kTextCaption = 1098;
// Our own texts for the checks that guard the table.
constexpr int kTextNotNumber = 9402;
constexpr int kTextNameEmpty = 9403;
constexpr int kTextNameUsed = 9404;

bool sameValue(const Tvx_String& part, const Tvx_String& value) {
    if (part.isNumber()) {
        return value.isNumber() && part.toDouble() == value.toDouble();
    }
    return part == value;
}

Tvx_String trimmed(Tvx_String text) {
    text.trim();
    return text;
}

// Section names sort part by part ("x"-separated), numbers by value, so "1000" follows "200".
bool sectionNameLess(const Tvx_String& a, const Tvx_String& b) {
    const Tvx_StringArray pa = strToArr(a, L"x");
    const Tvx_StringArray pb = strToArr(b, L"x");
    for (int i = 0; i < pa.length() && i < pb.length(); ++i) {
        if (pa[i].isNumber() && pb[i].isNumber()) {
            if (pa[i].toDouble() != pb[i].toDouble()) {
                return pa[i].toDouble() < pb[i].toDouble();
            }
        } else if (!(pa[i] == pb[i])) {
            return pa[i] < pb[i];
        }
    }
    return pa.length() < pb.length();
}

// Inserts behind equal entries; returns the index.
int addToSorted(Tvx_StringArray& sorted, const Tvx_String& name) {
    int at = 0;
    while (at < sorted.length() && !sectionNameLess(name, sorted[at])) {
        ++at;
    }
    sorted.insertAt(at, name);
    return at;
}

}  // namespace

bool SimpleSectionModel::start(const Tvx_ProfValuesTable& table, const Tvx_String& sysName) {
    table_ = table;
    nrLanguages_ = table_.getNrLanguages();
    pattern_.clear();
    prefixes_.removeAll();
    startRow_ = -1;
    if (table_.rows.isEmpty()) {
        return false;
    }
    int row = 0;
    startRow_ = table_.findSysName(sysName, row) ? row : 0;
    const Tvx_StringArray& fields = table_.rows[startRow_];
    if (fields.length() < 2 || fields.length() < nrLanguages_ + 2) {
        return false;
    }
    const int last = std::min(table_.rows.length(), startRow_ + kMaxPatternRows);
    for (int r = startRow_; r < last; ++r) {
        if (learnPattern(r)) {
            break;
        }
    }
    if (pattern_.empty()) {
        // No row shows how names are made: name new sections after all their values.
        for (int i = 0; i < nrValues() && i < kMaxDimensionRows; ++i) {
            pattern_.push_back(i);
        }
    }
    for (int lang = 0; lang < nrLanguages_; ++lang) {
        const Tvx_String& user = fields[2 + lang];
        int at = 0;
        int length = 0;
        prefixes_.append(findFirstNumbers(user, at, length) ? user.left(at) : Tvx_String());
    }
    return true;
}

bool SimpleSectionModel::learnPattern(int row) {
    const Tvx_StringArray& fields = table_.rows[row];
    if (fields.isEmpty() || fields[0].isEmpty()) {
        return false;
    }
    Tvx_StringArray parts = strToArr(fields[0], L"x");
    std::vector<int> found;
    for (const Tvx_String& part : parts) {
        int match = -1;
        for (int i = 0; i < nrValues() && i < kMaxDimensionRows; ++i) {
            const int column = firstValueColumn() + i;
            if (column < fields.length() &&
                std::find(found.begin(), found.end(), i) == found.end() &&
                sameValue(part, fields[column])) {
                match = i;
                break;
            }
        }
        if (match < 0) {
            return false;
        }
        found.push_back(match);
    }
    pattern_ = found;
    return true;
}

int SimpleSectionModel::nrValues() const {
    return std::max(0, table_.columnNames.length() - firstValueColumn());
}

int SimpleSectionModel::languageColumn() const {
    const int column = table_.getColumnIdx(MacroLangs::GetCurLanguage());
    return column >= 2 && column < firstValueColumn() ? column : 2;
}

Tvx_StringArray SimpleSectionModel::startValues() const {
    Tvx_StringArray values;
    if (startRow_ < 0) {
        return values;
    }
    const Tvx_StringArray& fields = table_.rows[startRow_];
    for (int i = 0; i < nrValues(); ++i) {
        const int column = firstValueColumn() + i;
        values.append(column < fields.length() ? fields[column] : Tvx_String());
    }
    return values;
}

bool SimpleSectionModel::startActive() const {
    return startRow_ >= 0 && table_.rows[startRow_].length() > 1 &&
           table_.rows[startRow_][1] == L"1";
}

Tvx_String SimpleSectionModel::startUserName() const {
    if (startRow_ < 0) {
        return {};
    }
    const Tvx_StringArray& fields = table_.rows[startRow_];
    const int column = languageColumn();
    return column < fields.length() ? fields[column] : Tvx_String();
}

Tvx_StringArray SimpleSectionModel::dimensionLabels() const {
    const int shape = builtInShapeNumber(table_.shape);
    const Tvx_StringArray defaults = shape > 0 ? defaultDimensionNames(shape) : Tvx_StringArray();
    Tvx_StringArray labels;
    for (int i = 0; i < nrValues() && i < kMaxDimensionRows; ++i) {
        const Tvx_String name =
            shape > 0 ? (i < defaults.length() ? defaults[i] : Tvx_String())
                      : MacroLangs::GetString(L"Prof", table_.columnNames[firstValueColumn() + i]);
        labels.append(getAlfabet(i + 1) + L". " + name + L":");
    }
    return labels;
}

Tvx_String SimpleSectionModel::automaticSysName(const Tvx_StringArray& values) const {
    Tvx_StringArray parts;
    for (int position : pattern_) {
        parts.append(position < values.length() ? trimmed(values[position]) : Tvx_String());
    }
    return arrToStr(parts, L"x");
}

Tvx_String SimpleSectionModel::automaticUserName(const Tvx_StringArray& values) const {
    const int lang = languageColumn() - 2;
    return (lang < prefixes_.length() ? prefixes_[lang] : Tvx_String()) + automaticSysName(values);
}

bool SimpleSectionModel::check(const Tvx_StringArray& values, const Tvx_String& sysName,
                               Tvx_String& message, Tvx_String& caption) const {
    caption = dialString(kTextCaption);
    for (int i = 0; i < values.length(); ++i) {
        if (!trimmed(values[i]).isNumber()) {
            message =
                dialString(kTextNotNumber) + L" " + getAlfabet(i + 1) + L": \"" + values[i] + L"\"";
            return false;
        }
    }
    if (trimmed(sysName).isEmpty()) {
        message = dialString(kTextNameEmpty);
        return false;
    }
    int existing = 0;
    if (table_.findSysName(sysName, existing)) {
        message = dialString(kTextNameUsed) + L" \"" + sysName + L"\"";
        return false;
    }
    if (builtInShapeNumber(table_.shape) == kShapeRectTube && values.length() >= 4) {
        const double third = values[2].toDouble();
        const double fourth = values[3].toDouble();
        if (fourth != 0 && !(fourth > third)) {
            message = dialString(kTextTubeRule1) + L"\n" + dialString(kTextTubeRule2) + L"\n\n" +
                      dialString(kTextCorrect) + L".";
            return false;
        }
    }
    return true;
}

int sortedSectionPosition(const Tvx_StringArray& existing, const Tvx_String& sysName) {
    const Tvx_StringArray parts = strToArr(sysName, L"x");
    if (parts.length() >= 2 && parts[0] == parts[1]) {
        // Among the names whose first two parts are equal too, directly behind the predecessor.
        Tvx_StringArray alike;
        Tvx_Array<int> positions;
        for (int i = 0; i < existing.length(); ++i) {
            const Tvx_StringArray other = strToArr(existing[i], L"x");
            if (other.length() >= 2 && other[0] == other[1]) {
                const int at = addToSorted(alike, existing[i]);
                positions.insertAt(at, i);
            }
        }
        const int at = addToSorted(alike, sysName);
        return at == 0 ? 1 : positions[at - 1] + 1;
    }
    Tvx_StringArray sorted;
    for (const Tvx_String& name : existing) {
        addToSorted(sorted, name);
    }
    const int at = addToSorted(sorted, sysName);
    // The position in table order: behind the existing name that sorts just before it.
    if (at == 0) {
        return 0;
    }
    return existing.find(sorted[at - 1], true) + 1;
}

int SimpleSectionModel::insert(const Tvx_StringArray& values, bool automaticName,
                               const Tvx_String& manualName) {
    if (startRow_ < 0) {
        return -1;
    }
    Tvx_StringArray row = table_.rows[startRow_];
    if (row.length() < 2 || row.length() < nrLanguages_ + 2) {
        return -1;
    }
    row[1] = L"1";
    if (automaticName) {
        const Tvx_String sys = automaticSysName(values);
        row[0] = sys;
        for (int lang = 0; lang < nrLanguages_; ++lang) {
            row[2 + lang] = (lang < prefixes_.length() ? prefixes_[lang] : Tvx_String()) + sys;
        }
    } else {
        row[0] = manualName;
        for (int lang = 0; lang < nrLanguages_; ++lang) {
            row[2 + lang] = manualName;
        }
    }
    for (int i = 0; i < values.length(); ++i) {
        const int column = firstValueColumn() + i;
        if (column < row.length()) {
            row[column] = trimmed(values[i]);
        }
    }
    Tvx_StringArray existing;
    for (const Tvx_StringArray& fields : table_.rows) {
        existing.append(fields.isEmpty() ? Tvx_String() : fields[0]);
    }
    const int position =
        std::clamp(sortedSectionPosition(existing, row[0]), 0, table_.rows.length());
    table_.rows.insertAt(position, row);
    return table_.getfilteredIdx(position);
}
