// DetailDialogSupport.cpp - texts and sample records of the detail dialog tests.
#include "ui/macrodlg/DetailDialogSupport.h"

#include "ui/spread/SpreadDialogSupport.h"

namespace detailtest {

void useDetailTexts() {
    spreadtest::useShippedTexts(
        {87,   285,  695,  740,  841,  842,  881,  888,  983,  994,  995,  996,  997,  998,  999,
         1000, 1001, 1022, 1023, 1024, 1025, 1026, 1027, 1032, 1034, 1051, 1056, 1071, 1072, 1073,
         1074, 1078, 1079, 1080, 1084, 1085, 1086, 1087, 1088, 1089, 1090, 1091, 1092, 1093, 1094,
         1095, 1096, 1097, 1098, 1099, 1100, 1101, 1102, 1103, 1104, 1126, 1127, 1128, 1129, 1130,
         1131, 1132, 1133, 1134, 1135, 1395, 1396, 1397, 1398, 1497, 1498, 9500, 9501, 9502, 9503,
         9504, 9505, 9506, 9507, 9508, 9509, 9510, 9511, 9512, 9513, 9514, 9515, 9516, 9517, 9518,
         9519, 9520, 9521, 9522, 9523, 9524, 9525, 9526, 9527, 9528, 9529, 9530, 9531, 9532, 9533,
         9534, 9535, 9536, 9537, 9538, 9539, 9540, 9541, 9542, 9543, 9544, 9545, 9546, 9547, 9548,
         9549, 9550, 9551, 9552, 9553, 9554, 9555, 9556, 9557, 9558, 9559, 9560, 9561, 9562, 9563,
         9564, 9565, 9566, 9567, 9568, 9569, 9570, 9571, 9572});
}

DlgMacroCutsData sampleCut() {
    DlgMacroCutsData cut;
    cut.newCut = false;
    cut.name = L"Notch top";
    cut.kind = 2;
    cut.vars = {{L"Offset", L"15", false}, {L"LengthOffset", L"gen_notch", true}};
    cut.part = 1;
    cut.side = 2;
    cut.keepContour = true;
    cut.text1 = L"beam top";
    cut.otherCutNames = {L"Cope bottom", L"Chamfer 1"};
    return cut;
}

MacroBoltData sampleBolt() {
    MacroBoltData bolt;
    bolt.assembly = L"M20 8.8 HV";
    bolt.diameter = L"20";
    bolt.holeOffset = L"2";
    bolt.length = L"60";
    bolt.grade = L"8.8";
    bolt.count = 6;
    bolt.holeColumns = {{L"1", L"35", L"3", L"0", L"1"}, {L"2", L"90", L"3", L"0", L"1"}};
    bolt.details.states = {1, 1, 2, 0};
    bolt.details.entries = {{true, L"3", L"70", L"35", L"90", 0},
                            {true, L"3", L"70", L"35", L"90", 1},
                            {false, L"", L"", L"", L"", -1}};
    bolt.details.options = {1, 0, -1, 0, -1};
    return bolt;
}

MacroPatternProps samplePattern() {
    MacroPatternProps pattern;
    pattern.name = L"Flange bolts";
    pattern.typeCode = 282;
    pattern.count1 = L"2";
    pattern.count2 = L"3";
    pattern.reverseStart2 = true;
    pattern.alternation = 2;
    return pattern;
}

DynArrayData sampleArray() {
    DynArrayData array;
    array.name = L"Stiffeners";
    array.details.rows = {{L"Stiffener", L"2", L"150", L"0", L"0"},
                          {L"Stiffener", L"1", L"300", L"20", L"90"}};
    array.details.alternateSide = -1;
    array.details.alternateStep = 1;
    array.details.skip = 1;
    array.entries = {L"Stiffener", L"Stiffener"};
    return array;
}

MacroProfSegmentedData sampleSegments() {
    MacroProfSegmentedData data;
    data.profiles = {
        MacroSegmentedProf{{{L"2000", L"IPE300", L"S355"}, {L"1500", L"IPE240", L"S355"}}},
        MacroSegmentedProf{{{L"3500", L"HEA200", L"S235"}}}};
    return data;
}

MacroData sampleProfileRecord() {
    MacroData data;
    MacroTabData tab;
    tab.kind = 2;
    tab.moduleName = L"Beams";
    MacroProfData a;
    a.groupName = L"Stiffener";
    a.memberName = L"S1";
    a.sectionName = L"FL10x100";
    a.material = L"S235";
    a.rotation = 90;
    a.offsetType = 1;
    MacroProfData b = a;
    b.memberName = L"S2";
    tab.profData = {a, b};
    data.tabs = {tab};
    return data;
}

}  // namespace detailtest
