// ModuleEntry.cpp - the module's start, and the host's initialisation and unload messages.
#include "frame/ModuleEntry.h"

#include <dlfcn.h>

#include <string>

#include "core/OvTempResourceOverride.h"
#include "core/Paths.h"
#include "core/UserFolders.h"
#include "frame/EngineStartup.h"
#include "frame/ModuleState.h"
#include "host/AcrxHost.h"
#include "host/HostServices.h"
#include "macrodlg/ModelessDialogs.h"
#include "registry/ComModuleFolder.h"

namespace {

constexpr int kObjectArxApiVersion = 18;  // the host release the module was made for

// The loaded library that holds this function: its path identifies the module instance.
Tvx_String findModulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&findModulePath), &info) == 0 || info.dli_fname == nullptr) {
        return Tvx_String();
    }
    return Tvx_String::fromUtf8(info.dli_fname);
}

// The loaded library's base address: the module's instance for the launchers' resource switching.
void* moduleInstanceHandle() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&findModulePath), &info) == 0) {
        return nullptr;
    }
    return info.dli_fbase;
}

// What the module needs before it serves the host, once: its instance for the resources, the
// folder its COM module is registered from, and the engine's services.
void startModule() {
    static const bool started = [] {
        OvTempResourceOverride::SaveDefaultResource(moduleInstanceHandle());
        const Tvx_String path = findModulePath();
        if (!path.isEmpty()) {
            setComModuleFolder(getFolder(path));
        }
        startEngine();
        return true;
    }();
    (void)started;
}

void onInitApp(void* appId) {
    startModule();
    if (auto* linker = AcRxDynamicLinker::cast(acrxSysRegistry()->at(L"DynamicLinker"))) {
        linker->unlockApplication(appId);
        linker->registerAppMDIAware(appId);
    }
    // The user's library and settings folders; without them the bundled library is used as is
    // (read-only sample data) and the reason goes to the command line.
    Tvx_String folderError;
    if (!installUserFolders(&folderError)) {
        acutPrintf(L"\n%s\n", folderError.c_str());
    }
    ModuleState& state = moduleState();
    state.checkBitmapOn = ovres::loadBitmap(ovres::kCheckBitmapOn);
    state.checkBitmapOff = ovres::loadBitmap(ovres::kCheckBitmapOff);
}

void onUnloadApp() {
    if (auto* commands =
            AcEdCommandStack::cast(acrxSysRegistry()->at(L"ACAD_REGISTERED_COMMANDS"))) {
        commands->removeGroup(L"TAVRIX_SS");
    }
    DestroyAllMacroDlgs();
    EndDlgEditConstraints();
}

}  // namespace

const Tvx_String& moduleInstancePath() {
    static const Tvx_String path = findModulePath();
    return path;
}

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
    switch (msg) {
        case AcRx::kInitAppMsg:
            onInitApp(appId);
            break;
        case AcRx::kUnloadAppMsg:
            onUnloadApp();
            break;
        default:
            break;
    }
    return AcRx::kRetOK;
}

extern "C" int acrxGetApiVersion() {
    return kObjectArxApiVersion;
}

extern "C" void ovssStartEngine() {
    startModule();
}

extern "C" const char* ovssHostJournal() {
    static std::string text;
    text.clear();
    for (const std::string& line : acrxHostJournal()) {
        text += line;
        text += '\n';
    }
    return text.c_str();
}
