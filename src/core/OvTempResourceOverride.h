// OvTempResourceOverride.h - which module's resources (texts, bitmaps, dialog templates) are
// current. The module saves its own handle when it loads; a launcher makes it current for the
// duration of a dialog and restores the caller's handle afterwards. The current handle is one
// process-wide value (the host's UI thread is the only user).
#pragma once

using OvResourceHandle = void*;

class OvTempResourceOverride {
  public:
    // The module's own handle, remembered once at load time (null forgets it).
    static void SaveDefaultResource(OvResourceHandle module);
    static OvResourceHandle savedDefaultResource();

    // The handle whose resources are current now; the host sets it, launchers change it.
    static OvResourceHandle currentResource();
    static void setCurrentResource(OvResourceHandle handle);

    OvTempResourceOverride() = default;
    // RAII use: makes the saved module handle current at once (when one is saved).
    struct ActivateNow {};
    explicit OvTempResourceOverride(ActivateNow);
    ~OvTempResourceOverride();  // restores when still overriding
    OvTempResourceOverride(const OvTempResourceOverride&) = delete;
    OvTempResourceOverride& operator=(const OvTempResourceOverride&) = delete;

    // Makes `handle` (or, without one, the saved module handle) current and remembers the
    // previous one. False, changing nothing, for a null handle or while already overriding.
    bool SetDefaultResource(OvResourceHandle handle);
    bool SetDefaultResource();
    // Restores the handle that was current before SetDefaultResource; false when not overriding.
    bool RestoreOriginalResource();
    bool isOverriding() const { return active_; }

  private:
    OvResourceHandle previous_ = nullptr;
    bool active_ = false;
};
