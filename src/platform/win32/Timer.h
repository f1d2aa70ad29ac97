// A window timer with an enabled state, ticking as WM_TIMER on its owner.
#pragma once

#include <windows.h>

#include <string>

namespace quorvex {

class Timer {
public:
    void Attach(HWND owner, UINT_PTR id, UINT intervalMs) {
        owner_ = owner;
        id_ = id;
        interval_ = intervalMs;
    }

    bool Enabled() const { return enabled_; }

    // Enabling a disabled timer starts a new interval; enabling an enabled
    // one changes nothing.
    void SetEnabled(bool enabled) {
        if (enabled == enabled_ || owner_ == nullptr) return;
        enabled_ = enabled ? SetTimer(owner_, id_, interval_, nullptr) != 0 : false;
        if (!enabled) KillTimer(owner_, id_);
    }

    UINT_PTR Id() const { return id_; }

    std::string Tag;

private:
    HWND owner_ = nullptr;
    UINT_PTR id_ = 0;
    UINT interval_ = 0;
    bool enabled_ = false;
};

}  // namespace quorvex
