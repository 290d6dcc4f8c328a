#pragma once
// The design windows open in this process, in the order they were made.
#include <vector>

namespace mixora::ui {

class DesignWindow;

inline std::vector<DesignWindow*>& OpenWindows() {
    static std::vector<DesignWindow*> windows;
    return windows;
}

} // namespace mixora::ui
