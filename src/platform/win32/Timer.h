// A window timer with an enabled state, ticking as WM_TIMER on its owner.
#pragma once

#include <windows.h>

#include <functional>

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

    // The owner's WM_TIMER; true when it was this timer's tick.
    bool OnTimer(UINT_PTR id) {
        if (id != id_ || owner_ == nullptr) return false;
        if (onTick) onTick();
        return true;
    }

    std::function<void()> onTick;

private:
    HWND owner_ = nullptr;
    UINT_PTR id_ = 0;
    UINT interval_ = 0;
    bool enabled_ = false;
};

}  // namespace quorvex
