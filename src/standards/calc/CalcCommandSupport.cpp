// CalcCommandSupport.cpp - job settings, stream messages and arguments of the calc jobs.
#include "standards/calc/CalcCommandSupport.h"

#include "core/FileSystem.h"
#include "core/Paths.h"
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

}  // namespace ovcalc
