#include "subclass.h"

#include "callback_guard.h"

#include "button_style.h"
#include "control_kind.h"
#include "control_state.h"
#include "fade_timer.h"
#include "props.h"
#include "push_button_images.h"
#include "skin_lifetime.h"
#include "skin_window_proc.h"

#include <span>
#include <unordered_map>

namespace mixora::skin {

namespace {

enum class Initial {
    Zero,
    NoItem,       // −1: no header item
    SavedStyle,   // the window style before the skin changed it
    EnabledState, // ControlState 0 when enabled, 3 when disabled
};

struct KindKey {
    const wchar_t* key;
    Initial initial;
};

// The keys each kind carries besides "PROCADDR" and the push button's images, in the order
// they are removed on release.
constexpr KindKey kPushButtonKeys[] = {
    {props::kOldStyle, Initial::SavedStyle}, {props::kMouseFlag, Initial::Zero},
    {props::kTimerId, Initial::Zero},        {props::kOldState, Initial::EnabledState},
    {props::kAlphaLevel, Initial::Zero},
};
constexpr KindKey kTrackedKeys[] = {
    {props::kMouseFlag, Initial::Zero},
    {props::kOldState, Initial::Zero},
};
constexpr KindKey kHeaderKeys[] = {
    {props::kMouseFlag, Initial::Zero},
    {props::kHdIndex, Initial::NoItem},
    {props::kHmIndex, Initial::NoItem},
};

std::span<const KindKey> KeysOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton: return kPushButtonKeys;
    case ControlKind::ComboBox:
    case ControlKind::DriveList:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: return kTrackedKeys;
    case ControlKind::Header: return kHeaderKeys;
    default: return {};
    }
}

LONG_PTR InitialValue(HWND window, Initial initial, LONG style) {
    switch (initial) {
    case Initial::NoItem: return -1;
    case Initial::SavedStyle: return style;
    case Initial::EnabledState: return IsWindowEnabled(window) ? StateNormal : StateDisabled;
    case Initial::Zero: break;
    }
    return 0;
}

void SetKindKeys(HWND window, ControlKind kind, LONG style) {
    for (const KindKey& entry : KeysOf(kind)) {
        props::Set(window, entry.key, InitialValue(window, entry.initial, style));
    }
}

void RemoveKindKeys(HWND window, ControlKind kind) {
    for (const KindKey& entry : KeysOf(kind))
        props::Remove(window, entry.key);
}

void PreparePushButton(HWND button) {
    const WindowBounds bounds = CreateButtonImages(button);
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    if (IsSkinDrawnButtonStyle(style)) SendMessageW(button, BM_SETSTYLE, BS_OWNERDRAW, TRUE);
    SetKindKeys(button, ControlKind::PushButton, style);
    SetRoundRegion(button, bounds.Width, bounds.Height);
}

void ReleasePushButton(HWND button) {
    DeleteButtonImages(button);
    StopFadeTimer(button);
    // Only the button type was changed; visibility, enabled state and the rest may have been
    // changed since by others and are kept as they are now.
    const LONG saved = static_cast<LONG>(props::Get(button, props::kOldStyle));
    const LONG now = GetWindowLongW(button, GWL_STYLE);
    SetWindowLongW(button, GWL_STYLE, (now & ~BS_TYPEMASK) | (saved & BS_TYPEMASK));
    RemoveKindKeys(button, ControlKind::PushButton);
    SetWindowRgn(button, nullptr, TRUE);
}

void Prepare(HWND window, ControlKind kind) {
    switch (kind) {
    case ControlKind::Form: EnumChildWindows(window, SubclassChildProc, 0); break;
    case ControlKind::PushButton: PreparePushButton(window); break;
    default: SetKindKeys(window, kind, 0); break;
    }
}

void Release(HWND window, ControlKind kind) {
    switch (kind) {
    case ControlKind::Form: EnumChildWindows(window, UnsubclassChildProc, 0); break;
    case ControlKind::PushButton: ReleasePushButton(window); break;
    default: RemoveKindKeys(window, kind); break;
    }
}

bool BelongsToThisProcess(HWND window) {
    DWORD process = 0;
    return GetWindowThreadProcessId(window, &process) != 0 && process == GetCurrentProcessId();
}

// This process's copy of "PROCADDR" of every window it has taken over.
std::unordered_map<HWND, WNDPROC>& Previous() {
    static std::unordered_map<HWND, WNDPROC> previous;
    return previous;
}

bool WriteProcAddr(HWND window, LONG_PTR procedure) {
    return props::Set(window, props::kProcAddr, procedure);
}

ProcAddrWriter& ProcAddrWriterInUse() {
    static ProcAddrWriter writer = WriteProcAddr;
    return writer;
}

void RepaintWhole(HWND window) {
    // A window not on screen is painted whole, frame and all, when it shows.
    if (!IsWindowVisible(window)) return;
    SendMessageW(window, WM_NCPAINT, 1, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT);
}

} // namespace

void SetProcAddrWriter(ProcAddrWriter writer) {
    ProcAddrWriterInUse() = writer ? writer : WriteProcAddr;
}

bool IsSubclassed(HWND window) {
    return PreviousProcedure(window) != nullptr;
}

WNDPROC PreviousProcedure(HWND window) {
    const auto found = Previous().find(window);
    return found == Previous().end() ? nullptr : found->second;
}

int SubclassWindow(HWND window) {
    if (!window || IsSubclassed(window) || !BelongsToThisProcess(window)) return 0;
    const ControlKind kind = GetControlKind(window);
    Prepare(window, kind);
    const LONG_PTR previous =
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinWindowProc));
    if (previous == 0) {
        // No procedure to hand messages on to: the window stays as it was.
        Release(window, kind);
        return 0;
    }
    if (!ProcAddrWriterInUse()(window, previous)) {
        // SkinWindowProc would find nothing to hand messages on to: undo this window.
        SetWindowLongPtrW(window, GWLP_WNDPROC, previous);
        Release(window, kind);
        return 0;
    }
    Previous()[window] = reinterpret_cast<WNDPROC>(previous);
    NoteSubclassed();
    RepaintWhole(window);
    return 1;
}

int UnsubclassWindow(HWND window) {
    if (!window || !BelongsToThisProcess(window)) return 0;
    const WNDPROC previous = PreviousProcedure(window);
    if (!previous) return 0;
    Release(window, GetControlKind(window));
    props::Remove(window, props::kProcAddr);
    Previous().erase(window);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RepaintWhole(window);
    NoteReleased();
    return 1;
}

BOOL CALLBACK SubclassChildProc(HWND window, LPARAM) noexcept {
    return base::Guarded("控件外观", BOOL{TRUE}, [&] {
        SubclassWindow(window);
        return BOOL{TRUE};
    });
}

BOOL CALLBACK UnsubclassChildProc(HWND window, LPARAM) noexcept {
    return base::Guarded("控件外观", BOOL{TRUE}, [&] {
        UnsubclassWindow(window);
        return BOOL{TRUE};
    });
}

} // namespace mixora::skin
