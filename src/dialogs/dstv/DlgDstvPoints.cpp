// DlgDstvPoints.cpp - DSTV point group files and the standard group setting.
#include "dialogs/dstv/DlgDstvPoints.h"

#include <cmath>

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/Registry.h"
#include "core/StringHelpers.h"
#include "core/TableFile.h"
#include "core/TextFile.h"
#include "core/Tvx_Settings.h"

namespace {

constexpr const wchar_t* kHeader = L"ovss dstv points";
constexpr int kVersion = 1;
constexpr const wchar_t* kSettingsKey = L"Software\\Orvane\\DSTV Points";
constexpr const wchar_t* kStandardValue = L"Standard group";
// Fields of a point line, tab-separated, in this order.
constexpr int kFieldCount = 13;

Tvx_String flag(bool on) {
    return on ? L"1" : L"0";
}

Tvx_String number(double value) {
    return Tvx_String(value, 6, false);
}

// A whole number in [0, count); false otherwise.
bool choice(const Tvx_String& field, int count, int& value) {
    if (!field.isNumber()) {
        return false;
    }
    const double d = field.toDouble();
    if (d != std::floor(d) || d < 0 || d >= count) {
        return false;
    }
    value = static_cast<int>(d);
    return true;
}

bool distance(const Tvx_String& field, double& value) {
    if (!field.isNumber()) {
        return false;
    }
    value = field.toDouble();
    return std::isfinite(value) && value >= 0 && value < 1e9;
}

// Parses one point line; the cause of a failure in `why`.
bool parsePoint(const Tvx_String& line, Tvx_DstvPointInfo& point, Tvx_String& why) {
    const Tvx_StringArray f = strToArr(line, L"\t");
    if (f.length() != kFieldCount) {
        why = L"a point has " + Tvx_String::fromInt(kFieldCount) + L" tab-separated fields, this " +
              L"line has " + Tvx_String::fromInt(f.length());
        return false;
    }
    Tvx_String name;
    if (!unescapeField(f[0], name) || name.isEmpty()) {
        why = L"the point name is empty or holds a backslash that is not \\\\, \\t, \\n or \\r";
        return false;
    }
    int b[5] = {};
    const int flagFields[] = {1, 4, 5, 10, 11};
    for (int i = 0; i < 5; ++i) {
        if (!choice(f[flagFields[i]], 2, b[i])) {
            why = L"field " + Tvx_String::fromInt(flagFields[i] + 1) + L" must be 0 or 1";
            return false;
        }
    }
    int side1 = 0;
    int side2 = 0;
    int start = 0;
    int view = 0;
    int mark = 0;
    if (!choice(f[2], kDstvSideCount, side1) || !choice(f[3], kDstvSideCount, side2) ||
        !choice(f[6], kDstvSideCount, start)) {
        why = L"a side (fields 3, 4 and 7) must be 0 to " + Tvx_String::fromInt(kDstvSideCount - 1);
        return false;
    }
    if (!choice(f[7], kDstvViewCount, view) || !choice(f[8], kDstvMarkCount, mark)) {
        why = L"the view (field 8) or the mark (field 9) is not one of the choices";
        return false;
    }
    double minDist = 0;
    double radius = 0;
    if (!distance(f[9], minDist) || !distance(f[12], radius)) {
        why = L"the distance (field 10) and the hole value (field 13) must be numbers of 0 or more";
        return false;
    }
    point = Tvx_DstvPointInfo(name);
    point.setSelectGeomExtent(b[0] != 0, static_cast<OvDstvPointSideSelection>(side1),
                              static_cast<OvDstvPointSideSelection>(side2));
    point.setSelectIntersGeom(b[1] != 0, b[2] != 0, static_cast<OvDstvPointSideSelection>(start));
    point.setPlateSelection(static_cast<std::int16_t>(view), static_cast<std::int16_t>(mark),
                            minDist);
    point.setDrillFullHole(b[3] != 0, b[4] != 0, radius);
    return true;
}

}  // namespace

Tvx_String DlgDstvPoints::folder() {
    return gSettings.libDir + L"DSTV Points\\";
}

Tvx_String DlgDstvPoints::groupPath(const Tvx_String& groupName) {
    return folder() + groupName + L".dat";
}

bool DlgDstvPoints::isValidGroupName(const Tvx_String& groupName) {
    return isPlainFileName(groupName);
}

void DlgDstvPoints::getAllDstvPointsFiles(Tvx_StringArray& groups) {
    groups.removeAll();
    for (const Tvx_String& name : listFiles(folder(), L"*.dat", false)) {
        groups.append(removeExtension(name));
    }
}

Tvx_String DlgDstvPoints::getStandardDstvPointsFile() {
    Tvx_String value;
    OvRegistry::getString(HKEY_CURRENT_USER, kSettingsKey, kStandardValue, value);
    return value;
}

bool DlgDstvPoints::setStandardDstvPointsFile(const Tvx_String& fileName) {
    return OvRegistry::setString(HKEY_CURRENT_USER, kSettingsKey, kStandardValue, fileName);
}

bool DlgDstvPoints::readFromFile(const Tvx_String& path, Tvx_Array<Tvx_DstvPointInfo>& points,
                                 Tvx_String& error) {
    const Tvx_String shown = L"\"" + shownPath(path) + L"\"";
    Tvx_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) {
        error = cannotReadMessage(path);
        return false;
    }
    Tvx_Array<Tvx_DstvPointInfo> read;
    if (!lines.isEmpty()) {
        const Tvx_String expected = Tvx_String(kHeader) + L" ";
        const Tvx_String version = lines[0].mid(expected.length());
        if (!lines[0].startsWith(expected, true)) {
            error = shown + L", line 1: not a DSTV points file (it must start with \"" +
                    Tvx_String(kHeader) + L"\").";
            return false;
        }
        if (!version.isNumber() || version.toInt() < 1 || version.toInt() > kVersion) {
            error = shown + L", line 1: version \"" + version +
                    L"\" is not one this program reads (up to " + Tvx_String::fromInt(kVersion) +
                    L").";
            return false;
        }
        for (int i = 1; i < lines.length(); ++i) {
            if (lines[i].isEmpty()) {
                continue;
            }
            Tvx_DstvPointInfo point;
            Tvx_String why;
            if (!parsePoint(lines[i], point, why)) {
                error = shown + L", line " + Tvx_String::fromInt(i + 1) + L": " + why + L".";
                return false;
            }
            read.append(point);
        }
    }
    points = read;
    return true;
}

bool DlgDstvPoints::writeToFile(const Tvx_String& path, const Tvx_Array<Tvx_DstvPointInfo>& points,
                                Tvx_String& error) {
    Tvx_StringArray lines;
    lines.append(Tvx_String(kHeader) + L" " + Tvx_String::fromInt(kVersion));
    for (const Tvx_DstvPointInfo& p : points) {
        const Tvx_StringArray fields{escapeField(p.name()),
                                     flag(p.selectGeomExtent()),
                                     Tvx_String::fromInt(p.sideSelection1()),
                                     Tvx_String::fromInt(p.sideSelection2()),
                                     flag(p.selectIntersGeom()),
                                     flag(p.selectIntersMid()),
                                     Tvx_String::fromInt(p.intersStartDir()),
                                     Tvx_String::fromInt(p.viewPlateSelection()),
                                     Tvx_String::fromInt(p.markPlateSelection()),
                                     number(p.minPlateSideDist()),
                                     flag(p.drillFullHole()),
                                     flag(p.radiusThicknessBased()),
                                     number(p.drillRadius())};
        lines.append(arrToStr(fields, L"\t"));
    }
    if (!ObjectExportWriteFile(path, lines)) {
        error = cannotWriteMessage(path);
        return false;
    }
    return true;
}
