#include "control_kind.h"

#include <array>

namespace mixora::skin {

namespace {

enum class Match { Exact, Prefix };

struct ClassKindEntry {
    std::wstring_view name; // lower case
    Match match;
    ControlKind kind;
};

constexpr std::array kClassKinds{
    ClassKindEntry{L"#32770", Match::Exact, ControlKind::Form},
    ClassKindEntry{L"thunderformdc", Match::Exact, ControlKind::Form},
    ClassKindEntry{L"thunderrt6formdc", Match::Exact, ControlKind::Form},
    ClassKindEntry{L"form", Match::Exact, ControlKind::Form},
    ClassKindEntry{L"thundercommandbutton", Match::Exact, ControlKind::PushButton},
    ClassKindEntry{L"thunderrt6commandbutton", Match::Exact, ControlKind::PushButton},
    ClassKindEntry{L"button", Match::Exact, ControlKind::PushButton},
    ClassKindEntry{L"thundercombobox", Match::Exact, ControlKind::ComboBox},
    ClassKindEntry{L"thunderrt6combobox", Match::Exact, ControlKind::ComboBox},
    ClassKindEntry{L"combo", Match::Exact, ControlKind::ComboBox},
    ClassKindEntry{L"combobox", Match::Exact, ControlKind::ComboBox},
    ClassKindEntry{L"thunderdrivelistbox", Match::Exact, ControlKind::DriveList},
    ClassKindEntry{L"thunderrt6drivelistbox", Match::Exact, ControlKind::DriveList},
    ClassKindEntry{L"thundercheckbox", Match::Exact, ControlKind::CheckBox},
    ClassKindEntry{L"thunderrt6checkbox", Match::Exact, ControlKind::CheckBox},
    ClassKindEntry{L"thunderoptionbutton", Match::Exact, ControlKind::OptionButton},
    ClassKindEntry{L"thunderrt6optionbutton", Match::Exact, ControlKind::OptionButton},
    ClassKindEntry{L"msvb_lib_header", Match::Exact, ControlKind::Header},
    ClassKindEntry{L"sysheader32", Match::Exact, ControlKind::Header},
    ClassKindEntry{L"progressbar20wndclass", Match::Exact, ControlKind::ProgressBar},
    ClassKindEntry{L"progressbarwndclass", Match::Exact, ControlKind::ProgressBar},
    ClassKindEntry{L"datalistwndclass", Match::Exact, ControlKind::DataList},
    ClassKindEntry{L"dblistwndclass", Match::Exact, ControlKind::DataList},
    ClassKindEntry{L"combolbox", Match::Exact, ControlKind::ComboDropList},
    ClassKindEntry{L"apexgrid", Match::Prefix, ControlKind::Grid},
};

bool Matches(const ClassKindEntry& entry, std::wstring_view lower_name) {
    return entry.match == Match::Exact ? lower_name == entry.name
                                       : lower_name.starts_with(entry.name);
}

} // namespace

std::wstring GetWindowClass(HWND window) {
    wchar_t buffer[256] = {};
    const int length = GetClassNameW(window, buffer, 255);
    if (length <= 0) return {};
    return std::wstring(buffer, static_cast<size_t>(length));
}

ControlKind ClassifyClassName(std::wstring_view class_name) {
    std::wstring lower(class_name);
    if (!lower.empty()) CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
    for (const auto& entry : kClassKinds) {
        if (Matches(entry, lower)) return entry.kind;
    }
    return ControlKind::Other;
}

ControlKind GetControlKind(HWND window) {
    return ClassifyClassName(GetWindowClass(window));
}

} // namespace mixora::skin
