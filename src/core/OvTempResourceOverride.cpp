// OvTempResourceOverride.cpp - the process-wide current resource handle.
#include "core/OvTempResourceOverride.h"

namespace {
OvResourceHandle gSavedModule = nullptr;
OvResourceHandle gCurrent = nullptr;
}  // namespace

void OvTempResourceOverride::SaveDefaultResource(OvResourceHandle module) {
    gSavedModule = module;
}

OvResourceHandle OvTempResourceOverride::savedDefaultResource() {
    return gSavedModule;
}

OvResourceHandle OvTempResourceOverride::currentResource() {
    return gCurrent;
}

void OvTempResourceOverride::setCurrentResource(OvResourceHandle handle) {
    gCurrent = handle;
}

OvTempResourceOverride::OvTempResourceOverride(ActivateNow) {
    SetDefaultResource();
}

OvTempResourceOverride::~OvTempResourceOverride() {
    RestoreOriginalResource();
}

bool OvTempResourceOverride::SetDefaultResource(OvResourceHandle handle) {
    if (!handle || active_) {
        return false;
    }
    previous_ = gCurrent;
    gCurrent = handle;
    active_ = true;
    return true;
}

bool OvTempResourceOverride::SetDefaultResource() {
    return SetDefaultResource(gSavedModule);
}

bool OvTempResourceOverride::RestoreOriginalResource() {
    if (!active_) {
        return false;
    }
    gCurrent = previous_;
    active_ = false;
    return true;
}
