// ToleranceFunctions.cpp - STDSIZEWITHTOLERANCE, STDTHICKNESSWITHTOLERANCE and
// STDWIDTHWITHTOLERANCE: a standard size from a sizes file within tolerances.
#include "core/NumberHelpers.h"
#include "standards/functions/CustomFunctions.h"
#include "standards/functions/DataFileSearch.h"
#include "standards/functions/FunctionArgs.h"
#include "standards/functions/StandardSizesFile.h"
#include "standards/functions/ToleranceSelection.h"

namespace ovfunctions {

namespace {

// A missing file is not a failure: without candidates the selection rounds to the step.
Tvx_Array<StandardSize> sizesOf(const Tvx_String& fileName) {
    Tvx_String path;
    return findDataFile(fileName, path) ? readStandardSizes(path) : Tvx_Array<StandardSize>();
}

// Reads the numbers args[first .. first + count - 1].
bool getNumbers(const SSValue* args, int first, int count, double* numbers) {
    for (int i = 0; i < count; ++i) {
        if (!getNumberArg(args[first + i], numbers[i])) {
            return false;
        }
    }
    return true;
}

// Reads (file, step, wanted, down, up) from args[0] and args[first..first+3].
bool readRequest(const SSValue* args, int argCount, int minimum, int first, Tvx_String& fileName,
                 ToleranceRequest& request) {
    double numbers[4] = {};
    if (!hasArgs(args, argCount, minimum) || !getTextArg(args[0], fileName) ||
        !getNumberArg(args[1], request.step) || !getNumbers(args, first, 3, numbers)) {
        return false;
    }
    request.wanted = numbers[0];
    request.down = numbers[1];
    request.up = numbers[2];
    return true;
}

// STDSIZE and STDTHICKNESS: the candidates are one of the two numbers of every file line.
template <double StandardSize::*Part>
bool selectFromFileLines(SSValue* result, SSValue* args, int argCount) {
    resetResult(result);
    Tvx_String fileName;
    ToleranceRequest request;
    if (!readRequest(args, argCount, 5, 2, fileName, request)) {
        return false;
    }
    Tvx_Array<double> candidates;
    for (const StandardSize& size : sizesOf(fileName)) {
        candidates.append(size.*Part);
    }
    setNumberResult(result, selectWithTolerance(candidates, request));
    return true;
}

}  // namespace

bool stdSizeWithTolerance(SSValue* result, SSValue* args, int argCount) {
    return selectFromFileLines<&StandardSize::first>(result, args, argCount);
}

bool stdThicknessWithTolerance(SSValue* result, SSValue* args, int argCount) {
    return selectFromFileLines<&StandardSize::second>(result, args, argCount);
}

bool stdWidthWithTolerance(SSValue* result, SSValue* args, int argCount) {
    resetResult(result);
    Tvx_String fileName;
    ToleranceRequest request;
    double thickness = 0.0;
    // (file, step, thickness, wanted, down, up)
    if (!hasArgs(args, argCount, 6) || !getNumberArg(args[2], thickness) ||
        !readRequest(args, argCount, 6, 3, fileName, request)) {
        return false;
    }
    // Widths listed without a thickness fit every thickness.
    Tvx_Array<double> candidates;
    for (const StandardSize& size : sizesOf(fileName)) {
        if (size.second == 0.0 || size.second == thickness) {
            candidates.append(size.first);
        }
    }
    ObjectExportSort(candidates);
    setNumberResult(result, selectWithTolerance(candidates, request));
    return true;
}

}  // namespace ovfunctions
