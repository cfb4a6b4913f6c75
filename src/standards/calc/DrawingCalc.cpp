// DrawingCalc.cpp - `ovss calc --drawing FILE --all`: every macro of a drawing recomputed with
// the standards its settings map to it, as a detailer needs after changing a general variable.
// The macros are calculated one after another: the engine's standards pool, kept sheets,
// settings and message services are process-wide.
#include <map>
#include <sstream>
#include <utility>

#include "core/Paths.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroDataSync.h"
#include "core/macro/Tvx_Drawing.h"
#include "core/macro/Tvx_Macro.h"
#include "host/AcTransaction.h"
#include "standards/calc/CalcCommandSupport.h"
#include "standards/calc/CalcCommands.h"
#include "standards/calc/CalcProgress.h"
#include "standards/calc/MacroCalcSteps.h"
#include "standards/calc/StartDlgStandardsSS.h"
#include "standards/mapping/MappingFileCheck.h"

namespace ovcalc {

namespace {

struct DrawingTally {
    int macros = 0;
    int calculations = 0;
    int changed = 0;
    int unchanged = 0;
    int failed = 0;
    int unmapped = 0;
};

class DrawingJob {
  public:
    DrawingJob(const DrawingCalcOptions& options, std::ostream& out, std::ostream& err,
               AcTransaction& transaction)
        : options_(options), out_(out), err_(err), transaction_(transaction) {}

    // One macro with each standard mapped to it; false when any calculation failed.
    bool calculate(Tvx_DbMacro* dbMacro, int number, DrawingTally& tally) {
        const Tvx_Macro& macro = *dbMacro->macro();
        const Tvx_MacroSettings& settings = macro.settings();
        label_ = "macro " + std::to_string(number) + " " + macro.name().toUtf8();
        if (settings.mapSpreadsheets.isEmpty()) {
            ++tally.unmapped;
            return true;
        }
        const std::string before = macroToJson(macro);
        bool sound = true;
        for (int i = 0; i < settings.mapSpreadsheets.length(); ++i) {
            const Tvx_String target =
                i < settings.mapTargets.length() ? settings.mapTargets[i] : Tvx_String();
            ++tally.calculations;
            sound = calculateOne(dbMacro, settings.mapSpreadsheets[i], target) && sound;
        }
        if (!sound) {
            ++tally.failed;
        } else if (macroToJson(macro) != before) {
            ++tally.changed;
            out_ << "changed: " << label_ << "\n";
        } else {
            ++tally.unchanged;
        }
        return sound;
    }

  private:
    void fail(const std::string& standard, const std::string& why) {
        err_ << "error: " << label_ << ", standard " << standard << ": " << why << "\n";
    }

    bool findSheet(const std::string& standard, Tvx_String& path) {
        const auto known = sheets_.find(standard);
        if (known != sheets_.end()) {
            path = known->second;
            return !path.isEmpty();
        }
        const bool found = findSheetFile(standard, path);
        sheets_[standard] = found ? path : Tvx_String();
        return found;
    }

    // moduleNameOf, with the verdict on a mapping key kept per standard and key: every macro
    // mapped the same way would otherwise read and check the same mapping file again.
    bool resolveTarget(const Tvx_Macro& macro, const Tvx_String& standardName,
                       const Tvx_String& target, Tvx_String& moduleName, Tvx_String& reason) {
        if (!target.startsWith(kModuleGroupPrefix, true)) {
            auto key = std::make_pair(standardName.toUtf8(), target.toUtf8());
            auto known = keyChecks_.find(key);
            if (known == keyChecks_.end()) {
                KeyCheck check;
                Tvx_StringArray keys;
                Tvx_String keysReason;
                check.isKey =
                    readMappingKeys(standardName, keys, keysReason) && keys.find(target, true) >= 0;
                if (check.isKey) {
                    check.usable = checkMappingFile(standardName, target, check.reason);
                }
                known = keyChecks_.emplace(std::move(key), check).first;
            }
            if (known->second.isKey) {
                moduleName = target;
                reason = known->second.reason;
                return known->second.usable;
            }
        }
        return moduleNameOf(target.toUtf8(), macro, standardName, moduleName, reason);
    }

    bool calculateOne(Tvx_DbMacro* dbMacro, const Tvx_String& standardName,
                      const Tvx_String& target) {
        const std::string standard = standardName.toUtf8();
        Tvx_String sheetPath;
        if (!findSheet(standard, sheetPath)) {
            fail(standard, sheetNotFoundText(standard).toUtf8());
            return false;
        }
        if (target.isEmpty()) {
            fail(standard, "the macro's settings map it to no module or mapping key");
            return false;
        }
        Tvx_String moduleName;
        Tvx_String reason;
        if (!resolveTarget(*dbMacro->macro(), standardName, target, moduleName, reason)) {
            fail(standard, reason.toUtf8());
            return false;
        }
        MacroData macroData;
        if (buildMacroData(dbMacro, macroData) != Acad::eOk) {
            fail(standard, "the macro cannot be read");
            return false;
        }
        OvDlgStandardsData data;
        data.initialize(dbMacro, standardName, moduleName, &macroData);
        data.transaction = &transaction_;
        addMacroGeneralVariables(*dbMacro->macro(), data);
        std::ostringstream unused;
        if (!addGeneralVariables(options_.genValues, data, unused)) {
            return false;  // checked before the first macro
        }
        const bool done = StartDlgStandardsSS(data);
        printProblems(data.problems, err_, label_ + ", " + standard + ": ");
        if (!done) {
            fail(standard, "the calculation of " + shownPath(sheetPath).toUtf8() + " failed");
            return false;
        }
        if (!writeBoltRecordsToMacro(dbMacro, macroData)) {
            fail(standard, "the bolt data was not written");
            return false;
        }
        return data.problems.isEmpty();
    }

    const DrawingCalcOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    AcTransaction& transaction_;
    std::string label_;
    std::map<std::string, Tvx_String> sheets_;  // standard name -> sheet file, empty: none
    struct KeyCheck {
        bool isKey = false;
        bool usable = false;
        Tvx_String reason;
    };
    std::map<std::pair<std::string, std::string>, KeyCheck> keyChecks_;
};

}  // namespace

int runDrawingCalc(const DrawingCalcOptions& options, std::ostream& out, std::ostream& err) {
    JobSettings settings(options.libDir, options.warnings);
    StreamCommandLine notices(err);
    const Tvx_String drawingPath = Tvx_String::fromUtf8(options.drawing);
    Tvx_Drawing drawing;
    Tvx_String error;
    if (!drawing.loadFromFile(drawingPath, error)) {
        err << "error: cannot read the drawing " << options.drawing << ": " << error.toUtf8()
            << "\n";
        return kCalcBadInput;
    }
    OvDlgStandardsData check;
    if (!addGeneralVariables(options.genValues, check, err)) {
        return kCalcBadInput;
    }
    StreamMessages messages(err);
    AcTransaction transaction;
    DrawingJob job(options, out, err, transaction);
    DrawingTally tally;
    {
        const int total = static_cast<int>(drawing.macros().size());
        CalcProgress progress(err, options.progress, total);
        for (int i = 0; i < total; ++i) {
            Tvx_DbMacro* dbMacro = drawing.macros()[static_cast<std::size_t>(i)].get();
            if (dbMacro->macro() != nullptr) {
                ++tally.macros;
                job.calculate(dbMacro, i + 1, tally);
            }
            progress.update(i + 1);
        }
    }
    out << tally.macros << " macros, " << tally.calculations << " calculations: " << tally.changed
        << " changed, " << tally.unchanged << " unchanged, " << tally.failed << " failed, "
        << tally.unmapped << " without a mapped standard\n";
    const std::string failed = std::to_string(tally.failed);
    return finishDrawingWrite({options.write, options.writeAnyway, failed + " macro(s) failed",
                               failed + " failed macro(s)"},
                              tally.failed, transaction, drawing, drawingPath, err);
}

}  // namespace ovcalc
