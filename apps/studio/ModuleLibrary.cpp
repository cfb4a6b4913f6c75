// ModuleLibrary.cpp - loading the module and finding its exports.
#include "ModuleLibrary.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

using EntryPoint = int (*)(int, void*);
using StartFunction = void (*)();

constexpr int kInitAppMsg = 1;
constexpr int kUnloadAppMsg = 2;

// The launchers are C++ functions: the host finds them under their mangled names.
constexpr const char* kSetHostCommandLine = "_Z18setHostCommandLineP15HostCommandLine";
constexpr const char* kStartDlgCis2Info = "_Z16StartDlgCis2InfoR13OvDlgCis2Data";
constexpr const char* kStartDlgGrid = "_Z12StartDlgGridR13OvGridDlgData";
constexpr const char* kStartDlgSelectImage = "_Z19StartDlgSelectImageR20OvSelectImageDlgData";

}  // namespace

ModuleLibrary::~ModuleLibrary() {
    // The module stays mapped until the process ends: its Qt objects and static data may still be
    // referenced while the application shuts down.
    unload();
}

QString ModuleLibrary::defaultPath() {
    const QString fromEnvironment = qEnvironmentVariable("OVSS_MODULE");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../lib/libovss.so"));
}

bool ModuleLibrary::load(const QString& path) {
    path_ = path;
    if (!QFileInfo::exists(path)) {
        error_ = QStringLiteral("The module %1 does not exist.").arg(path);
        return false;
    }
    handle_ = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        error_ = QString::fromLocal8Bit(dlerror());
        return false;
    }
    if (symbol("acrxEntryPoint") == nullptr) {
        error_ = QStringLiteral("The module has no entry point acrxEntryPoint.");
        return false;
    }
    // The engine's services first, then the dialog library's Qt services over them.
    if (auto start = reinterpret_cast<StartFunction>(symbol("ovssStartEngine"))) {
        start();
    }
    if (auto install = reinterpret_cast<StartFunction>(symbol("ovssInstallQtServices"))) {
        install();
    }
    return true;
}

bool ModuleLibrary::initialise() {
    auto entry = reinterpret_cast<EntryPoint>(symbol("acrxEntryPoint"));
    if (entry == nullptr || initialised_) {
        return initialised_;
    }
    if (entry(kInitAppMsg, &appId_) != 0) {
        error_ = QStringLiteral("The module refused the initialisation message.");
        return false;
    }
    initialised_ = true;
    return true;
}

void ModuleLibrary::unload() {
    if (!initialised_) {
        return;
    }
    initialised_ = false;
    if (auto entry = reinterpret_cast<EntryPoint>(symbol("acrxEntryPoint"))) {
        entry(kUnloadAppMsg, &appId_);
    }
}

void* ModuleLibrary::symbol(const char* name) const {
    return handle_ != nullptr ? dlsym(handle_, name) : nullptr;
}

ModuleLibrary::CommandLineSetter ModuleLibrary::commandLineSetter() const {
    return reinterpret_cast<CommandLineSetter>(symbol(kSetHostCommandLine));
}

ModuleLibrary::Cis2Launcher ModuleLibrary::cis2Launcher() const {
    return reinterpret_cast<Cis2Launcher>(symbol(kStartDlgCis2Info));
}

ModuleLibrary::GridLauncher ModuleLibrary::gridLauncher() const {
    return reinterpret_cast<GridLauncher>(symbol(kStartDlgGrid));
}

ModuleLibrary::SelectImageLauncher ModuleLibrary::selectImageLauncher() const {
    return reinterpret_cast<SelectImageLauncher>(symbol(kStartDlgSelectImage));
}
