#pragma once
// The design windows open in this process, in the order they were made: a window is on the list
// from its creation until it is destroyed, so what is on it is there (a window closed meanwhile
// is not, one opened meanwhile is).
#include "file_io.h"

#include <windows.h>

#include <string>
#include <vector>

namespace mixora::ui {

class DesignWindow;

inline std::vector<DesignWindow*>& OpenWindows() {
    static std::vector<DesignWindow*> windows;
    return windows;
}

// Whether an open design window other than `self` last read or wrote the file at `path` as it is
// now (`stamp`): the design was changed by this program, not another.
bool WrittenByAnotherWindow(HWND self, const std::wstring& path, const FileStamp& stamp);

} // namespace mixora::ui
