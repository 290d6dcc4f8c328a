#include "mouse_leave.h"

#include "engine_state.h"
#include "handles.h"

#include <commctrl.h>

namespace mixora::skin {

bool IsProcAvailable(const char* functionName, const wchar_t* libraryName) {
    HMODULE module = GetModuleHandleW(libraryName);
    base::unique_hmodule loaded; // only a library loaded here is released here
    if (!module) {
        loaded.reset(LoadLibraryW(libraryName));
        module = loaded.get();
        if (!module) return false;
    }
    return GetProcAddress(module, functionName) != nullptr;
}

TrackMouseEventProc FindTrackMouseEvent(const wchar_t* libraryName) {
    const HMODULE module = GetModuleHandleW(libraryName);
    if (!module) return nullptr;
    return reinterpret_cast<TrackMouseEventProc>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "TrackMouseEvent")));
}

void TrackMouseLeave(HWND window) {
    TRACKMOUSEEVENT request{};
    request.cbSize = sizeof(request);
    request.dwFlags = TME_LEAVE;
    request.hwndTrack = window;
    request.dwHoverTime = 0;
    if (const TrackMouseEventProc track = FoundTrackMouseEvent()) {
        track(&request);
    } else {
        _TrackMouseEvent(&request);
    }
}

} // namespace mixora::skin
