// RegisterCustomFunctions.cpp - the table of the module's spreadsheet functions and their
// registration on a grid.
#include <iterator>

#include "grid/Grid.h"
#include "standards/functions/CustomFunctions.h"

namespace ovfunctions {

namespace {

const CustomFunctionEntry kFunctions[] = {
    {L"ROUNDTO", 2, 2, roundTo},
    {L"GETCELL", 2, 7, getCell},
    {L"GETPROFCELL", 2, 7, getProfCell},
    {L"SECTIONSIZE", 2, 2, sectionSize},
    {L"GETSYSNAME", 1, 1, getSysName},
    {L"STDWIDTHWITHTOLERANCE", 6, 6, stdWidthWithTolerance},
    {L"STDTHICKNESSWITHTOLERANCE", 5, 5, stdThicknessWithTolerance},
    {L"STDSIZEWITHTOLERANCE", 5, 5, stdSizeWithTolerance},
    {L"GETARRAYITEM", 2, 2, getArrayItem},
    {L"TONUMBER", 1, 1, toNumber},
    {L"ISNULL", 1, 1, isNull},
    {L"ISPOSITIVE", 1, 1, isPositive},
};

}  // namespace

const CustomFunctionEntry* customFunctionTable(int& count) {
    count = static_cast<int>(std::size(kFunctions));
    return kFunctions;
}

}  // namespace ovfunctions

bool registerCustomFunctions(ovgrid::Grid& grid) {
    int count = 0;
    const ovfunctions::CustomFunctionEntry* table = ovfunctions::customFunctionTable(count);
    bool all = true;
    for (int i = 0; i < count; ++i) {
        // A grid that keeps its sheet between calculations holds them already.
        const ovgrid::CustomFunction* known = grid.customFunction(table[i].name);
        if (known != nullptr && known->proc == table[i].proc &&
            known->minArgs == table[i].minArgs && known->maxArgs == table[i].maxArgs &&
            known->flags == 0) {
            continue;
        }
        all = grid.addCustomFunctionExt(table[i].name, table[i].minArgs, table[i].maxArgs,
                                        table[i].proc, 0) &&
              all;
    }
    return all;
}
