// CalcCommandSupport.cpp - job settings, stream messages and arguments of the calc jobs.
#include "standards/calc/CalcCommandSupport.h"

#include "base/Utf8.h"

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/StringHelpers.h"
#include "standards/calc/CalcCommands.h"
#include "standards/calc/StandardsPaths.h"

namespace ovcalc {

JobSettings::JobSettings(const std::string& libDir, bool warnings)
    : savedLibDir_(gSettings.libDir), savedWarnings_(gSettings.current.calcWarnings) {
    if (!libDir.empty()) {
        gSettings.libDir = withTrailingSeparator(Tvx_String::fromUtf8(libDir));
    }
    gSettings.current.calcWarnings = warnings;
}

JobSettings::~JobSettings() {
    gSettings.libDir = savedLibDir_;
    gSettings.current.calcWarnings = savedWarnings_;
}

int StreamMessages::show(const Tvx_String& text, const Tvx_String& caption, unsigned type) {
    out_ << caption.toUtf8() << ": " << text.toUtf8() << "\n";
    return defaultMessageAnswer(type);
}

void StreamCommandLine::print(const std::wstring& text) {
    out_ << ovbase::toUtf8(text);
}

bool splitAssignment(const std::string& argument, Tvx_String& name, Tvx_String& value) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos) {
        return false;
    }
    name = Tvx_String::fromUtf8(argument.substr(0, equals));
    value = Tvx_String::fromUtf8(argument.substr(equals + 1));
    name.trim();
    return !name.isEmpty();
}

bool findSheetFile(const std::string& sheet, Tvx_String& path) {
    if (sheet.empty()) {
        return false;
    }
    path = resolveStandardsFile(Tvx_String::fromUtf8(sheet));
    return fileExists(path);
}

Tvx_String sheetNotFoundText(const std::string& sheet) {
    const Tvx_String name = Tvx_String::fromUtf8(sheet);
    if (name.isEmpty()) {
        return L"no standards sheet given";
    }
    return L"no standards sheet \"" + shortenedText(name, 80) + L"\" (looked for " +
           shownPath(name) + L" and " + shownPath(resolveStandardsFile(name)) + L")";
}

int finishDrawingWrite(const DrawingWrite& rules, std::size_t failures, AcTransaction& transaction,
                       Tvx_Drawing& drawing, const Tvx_String& drawingPath, std::ostream& err) {
    const bool sound = failures == 0;
    if (rules.write && !rules.writeAnyway && !sound) {
        err << "error: " << rules.failed << "; the drawing " << shownPath(drawingPath).toUtf8()
            << " was not written (--write-anyway writes it regardless)\n";
        return kCalcFailed;
    }
    if (rules.write || rules.writeAnyway) {
        transaction.commit();
        Tvx_String error;
        if (!drawing.saveToFile(drawingPath, error)) {
            err << "error: the drawing was not written: " << error.toUtf8() << "\n";
            return kCalcFailed;
        }
        if (!sound) {
            err << "warning: the drawing " << shownPath(drawingPath).toUtf8()
                << " was written despite " << rules.despite << ", as --write-anyway asked\n";
        }
    }
    return sound ? kCalcOk : kCalcFailed;
}

}  // namespace ovcalc
