#include "gallery_window.h"

#include <commctrl.h>

#include <array>
#include <iterator>

namespace mixora::gallery {

namespace {

// What each control is for after it is made.
enum class Role {
    None,
    PushButton,
    DefaultButton,
    DisabledButton,
    CheckBox,
    OptionButton,
    Header,
    DropDownCombo,
    DropListCombo,
    Checked,
    Indeterminate,
    ComboItems,
    ListItems,
    Progress,
};

struct ControlEntry {
    const wchar_t* class_name;
    const wchar_t* text;
    DWORD style;
    DWORD ex_style;
    int x, y, width, height;
    Role role;
    int value = 0; // progress position out of 30000
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr const wchar_t* kCheck = L"ThunderRT6CheckBox";
constexpr const wchar_t* kOption = L"ThunderRT6OptionButton";
constexpr const wchar_t* kProgress = L"ProgressBar20WndClass";

// The gallery, two columns of captioned groups.
const ControlEntry kControls[] = {
    {L"Static", L"按钮 Push buttons", 0, 0, 20, 12, 300, 18, Role::None},
    {L"Button", L"计算", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 20, 34, 90, 30, Role::DefaultButton},
    {L"Button", L"帮助", BS_PUSHBUTTON | WS_TABSTOP, 0, 120, 34, 90, 30, Role::PushButton},
    {L"Button", L"退出", BS_PUSHBUTTON | WS_DISABLED, 0, 220, 34, 90, 30, Role::DisabledButton},

    {L"Static", L"复选框 Check boxes", 0, 0, 20, 80, 300, 18, Role::None},
    {kCheck, L"卵石", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 20, 102, 80, 22, Role::CheckBox},
    {kCheck, L"碎石", BS_AUTOCHECKBOX, 0, 110, 102, 80, 22, Role::Checked},
    {kCheck, L"混合", BS_AUTO3STATE, 0, 200, 102, 80, 22, Role::Indeterminate},
    {kCheck, L"禁用", BS_AUTOCHECKBOX | WS_DISABLED, 0, 20, 128, 80, 22, Role::Checked},
    {kCheck, L"禁用", BS_AUTOCHECKBOX | WS_DISABLED, 0, 110, 128, 80, 22, Role::None},

    {L"Static", L"单选 Option buttons", 0, 0, 20, 162, 300, 18, Role::None},
    {kOption, L"体积法", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 20, 184, 80, 22,
     Role::Checked},
    {kOption, L"质量法", BS_AUTORADIOBUTTON, 0, 110, 184, 80, 22, Role::OptionButton},
    {kOption, L"禁用", BS_AUTORADIOBUTTON | WS_DISABLED, 0, 200, 184, 80, 22, Role::None},

    {L"Static", L"系统复选框 Standard check box", 0, 0, 20, 218, 300, 18, Role::None},
    {L"Button", L"标准 standard", BS_AUTOCHECKBOX | WS_GROUP, 0, 20, 240, 140, 22, Role::Checked},

    {L"Static", L"文本与列表 Text field and list", 0, 0, 20, 274, 300, 18, Role::None},
    {L"Edit", L"346.15", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 20, 296, 120, 24,
     Role::None},
    {L"Edit", L"678.7865", ES_AUTOHSCROLL | WS_DISABLED, WS_EX_CLIENTEDGE, 150, 296, 120, 24,
     Role::None},
    {L"ListBox", L"", LBS_NOTIFY | WS_VSCROLL, WS_EX_CLIENTEDGE, 20, 330, 250, 100,
     Role::ListItems},

    {L"Static", L"组合框 Combo boxes", 0, 0, 350, 12, 300, 18, Role::None},
    {L"ComboBox", L"", CBS_DROPDOWN | WS_VSCROLL, 0, 350, 34, 130, 200, Role::DropDownCombo},
    {L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 490, 34, 130, 200, Role::DropListCombo},
    {L"ComboBox", L"", CBS_SIMPLE, 0, 350, 66, 130, 84, Role::ComboItems},

    {L"Static", L"表头 Header", 0, 0, 350, 162, 300, 18, Role::None},
    {WC_HEADERW, L"", HDS_BUTTONS | HDS_HORZ, 0, 350, 184, 270, 24, Role::Header},

    {L"Static", L"进度条 Progress bars", 0, 0, 350, 218, 300, 18, Role::None},
    {kProgress, L"", PBS_SMOOTH | WS_BORDER, 0, 350, 240, 200, 20, Role::Progress, 15000},
    {kProgress, L"", WS_BORDER, 0, 350, 270, 200, 20, Role::Progress, 22000},
    {kProgress, L"", PBS_VERTICAL | PBS_SMOOTH | WS_BORDER, 0, 570, 240, 20, 120, Role::Progress,
     10000},
    {kProgress, L"", PBS_VERTICAL | WS_BORDER, 0, 600, 240, 20, 120, Role::Progress, 25000},
};

constexpr std::array kComboItems{L"细砂", L"中砂", L"粗砂"};
constexpr std::array kListItems{L"水泥 346.15", L"砂 678.7865", L"石子 1206.731", L"水 180"};
constexpr std::array kHeaderItems{L"材料", L"用量", L"比例"};

} // namespace

void RegisterGalleryClasses(HINSTANCE instance, WNDPROC form_proc) {
    INITCOMMONCONTROLSEX common{};
    common.dwSize = sizeof(common);
    common.dwICC = ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS;
    InitCommonControlsEx(&common);

    WNDCLASSEXW form{};
    form.cbSize = sizeof(form);
    form.lpfnWndProc = form_proc ? form_proc : DefWindowProcW;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    form.lpszClassName = L"Form";
    RegisterClassExW(&form);

    // The check box, option button and progress bar under the class names the skin paints.
    const std::pair<const wchar_t*, const wchar_t*> superclasses[] = {
        {L"Button", kCheck}, {L"Button", kOption}, {PROGRESS_CLASSW, kProgress}};
    for (const auto& [base, name] : superclasses) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        if (!GetClassInfoExW(nullptr, base, &wc)) continue;
        wc.hInstance = instance;
        wc.lpszClassName = name;
        RegisterClassExW(&wc);
    }
}

namespace {

HFONT GuiFont() {
    static const HFONT font = [] {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        return CreateFontIndirectW(&metrics.lfMessageFont);
    }();
    return font;
}

template <size_t N>
void AddStrings(HWND window, UINT message, const std::array<const wchar_t*, N>& items) {
    for (const wchar_t* item : items) {
        SendMessageW(window, message, 0, reinterpret_cast<LPARAM>(item));
    }
}

void Fill(HWND control, const ControlEntry& entry, GalleryWindow& gallery) {
    switch (entry.role) {
    case Role::PushButton: gallery.push_button = control; break;
    case Role::DefaultButton: gallery.default_button = control; break;
    case Role::DisabledButton: gallery.disabled_button = control; break;
    case Role::CheckBox: gallery.check_box = control; break;
    case Role::OptionButton: gallery.option_button = control; break;
    case Role::Checked: SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0); break;
    case Role::Indeterminate: SendMessageW(control, BM_SETCHECK, BST_INDETERMINATE, 0); break;
    case Role::ListItems: AddStrings(control, LB_ADDSTRING, kListItems); break;
    case Role::ComboItems: AddStrings(control, CB_ADDSTRING, kComboItems); break;
    case Role::DropDownCombo:
    case Role::DropListCombo:
        AddStrings(control, CB_ADDSTRING, kComboItems);
        SendMessageW(control, CB_SETCURSEL, 1, 0);
        (entry.role == Role::DropDownCombo ? gallery.drop_down_combo : gallery.drop_list_combo) =
            control;
        break;
    case Role::Header:
        for (int i = 0; i < static_cast<int>(kHeaderItems.size()); ++i) {
            HDITEMW item{};
            item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
            item.cxy = 90;
            item.fmt = HDF_CENTER | HDF_STRING;
            item.pszText = const_cast<wchar_t*>(kHeaderItems[static_cast<size_t>(i)]);
            SendMessageW(control, HDM_INSERTITEMW, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&item));
        }
        gallery.header = control;
        break;
    case Role::Progress:
        SendMessageW(control, PBM_SETRANGE32, 0, 30000);
        SendMessageW(control, PBM_SETPOS, static_cast<WPARAM>(entry.value), 0);
        break;
    case Role::None: break;
    }
}

} // namespace

GalleryWindow BuildGalleryWindow(HINSTANCE instance, WNDPROC form_proc) {
    RegisterGalleryClasses(instance, form_proc);
    GalleryWindow gallery;
    gallery.form = CreateWindowExW(0, L"Form", L"Mixora skin gallery",
                                   WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 40, 40,
                                   660, 480, nullptr, nullptr, instance, nullptr);
    if (!gallery.form) return gallery;
    SendMessageW(gallery.form, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    for (const ControlEntry& entry : kControls) {
        const HWND control = CreateWindowExW(
            entry.ex_style, entry.class_name, entry.text, kChild | entry.style, entry.x, entry.y,
            entry.width, entry.height, gallery.form, nullptr, instance, nullptr);
        if (!control) continue;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
        Fill(control, entry, gallery);
    }
    return gallery;
}

} // namespace mixora::gallery
