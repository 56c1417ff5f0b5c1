// Events of controls, bound to methods of their window with the control as sender.
#pragma once

#include "framework/runtime.h"

#include <functional>
#include <memory>

class RectControl;

inline constexpr int kEventOpen = 2;
inline constexpr int kEventAction = 17;

using Delegate = std::function<void(const std::shared_ptr<RectControl>& sender)>;

// Binds a window's handler method; the window is held weakly, as it owns the control.
template <class W, class Sender>
Delegate RuntimeCreateDelegate(const std::shared_ptr<W>& window,
                               void (W::*method)(const std::shared_ptr<Sender>&)) {
    std::weak_ptr<W> weak = window;
    return [weak, method](const std::shared_ptr<RectControl>& sender) {
        auto target = weak.lock();
        if (!target) throw NilObjectException("the window of this event is gone");
        ((*target).*method)(std::dynamic_pointer_cast<Sender>(sender));
    };
}

void RuntimeAddEventHandler(const std::shared_ptr<RectControl>& control, int event,
                            Delegate delegate);
