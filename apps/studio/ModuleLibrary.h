// ModuleLibrary.h - the module as the host sees it: a shared library opened with dlopen whose
// entry point and exported functions are looked up by name.
#pragma once

#include <QString>

#include "host/HostServices.h"

class OvDlgCis2Data;
class OvGridDlgData;
class OvSelectImageDlgData;

class ModuleLibrary {
  public:
    using CommandLineSetter = HostCommandLine* (*)(HostCommandLine*);
    using Cis2Launcher = bool (*)(OvDlgCis2Data&);
    using GridLauncher = bool (*)(OvGridDlgData&);
    using SelectImageLauncher = bool (*)(OvSelectImageDlgData&);

    ModuleLibrary() = default;
    ~ModuleLibrary();
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    // $OVSS_MODULE, else lib/libovss.so of the build tree that holds the studio binary.
    static QString defaultPath();

    // Opens the module, starts its engine and installs its Qt services; false with error() set
    // on failure.
    bool load(const QString& path);
    // Sends the initialisation message; false with error() set when the module refuses it.
    bool initialise();
    bool isLoaded() const { return handle_ != nullptr; }
    QString path() const { return path_; }
    QString error() const { return error_; }

    // Sends the unload message (once).
    void unload();

    // Exported functions; null when the module does not export them.
    CommandLineSetter commandLineSetter() const;
    Cis2Launcher cis2Launcher() const;
    GridLauncher gridLauncher() const;
    SelectImageLauncher selectImageLauncher() const;
    // Any other export by its (mangled) name; null when absent.
    void* exported(const char* name) const { return symbol(name); }

  private:
    void* symbol(const char* name) const;

    void* handle_ = nullptr;
    QString path_;
    QString error_;
    bool initialised_ = false;
    int appId_ = 0;  // the application id the host hands to the entry point
};
