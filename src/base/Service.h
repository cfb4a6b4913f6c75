// Service.h - the replaceable-service slot behind every hook of the module (message boxes, the
// host's command line, prompts, file dialogs, picture rendering, ...): one installed service or,
// while none is installed, a default, and a scoped installer for tests and temporary overrides.
//
// A slot does not own what is installed in it. Slots are constant-initialised (the default is a
// function that makes its object on first use), so a service may be used from any static
// initialiser or exit handler without depending on the order in which files are initialised.
#pragma once

#include <cassert>
#include <utility>

namespace ovbase {

template <class Interface>
class Service {
  public:
    // Gives the default service; made on first use, alive until the program ends.
    using Fallback = Interface& (*)();

    constexpr Service() noexcept = default;
    constexpr explicit Service(Fallback fallback) noexcept : fallback_(fallback) {}
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

    // Installs `service` (nullptr restores the default); returns the service installed before,
    // nullptr when that was the default. Installing the returned pointer undoes the call.
    Interface* install(Interface* service) noexcept { return std::exchange(installed_, service); }

    // The installed service, nullptr when the default is in use.
    Interface* installed() const noexcept { return installed_; }
    // The installed service, else the default; nullptr only for a slot without a default.
    Interface* get() const {
        if (installed_ != nullptr) {
            return installed_;
        }
        return fallback_ != nullptr ? &fallback_() : nullptr;
    }
    explicit operator bool() const { return get() != nullptr; }

    // The service in use; the slot must have one (a default or an installed service).
    Interface& operator*() const {
        Interface* service = get();
        assert(service != nullptr);
        return *service;
    }
    Interface* operator->() const { return &**this; }

  private:
    Interface* installed_ = nullptr;
    Fallback fallback_ = nullptr;
};

// Installs a service for its own lifetime and then puts back what was installed before.
template <class Interface>
class ScopedService {
  public:
    ScopedService(Service<Interface>& slot, Interface* service) noexcept
        : slot_(slot), previous_(slot.install(service)) {}
    ~ScopedService() { slot_.install(previous_); }
    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;

  private:
    Service<Interface>& slot_;
    Interface* previous_;
};

// The usual default: one object of `Impl`, made on first use.
template <class Interface, class Impl = Interface>
Interface& defaultService() {
    static Impl instance;
    return instance;
}

}  // namespace ovbase
