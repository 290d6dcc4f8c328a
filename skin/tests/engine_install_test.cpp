// Installing and removing the skin on real windows: what is taken over, what each kind carries
// while skinned, and that everything is given back.
#include "engine_windows.h"
#include "handles.h"

#include "bitmaps.h"
#include "control_kind.h"
#include "engine_state.h"
#include "mouse_leave.h"
#include "skin.h"
#include "skin_window_proc.h"
#include "subclass.h"

#include <gtest/gtest.h>

#include <map>

namespace mixora::skin {
namespace {

using test::HasProp;
using test::PropNames;

std::vector<std::wstring> Upper(std::vector<std::wstring> keys) {
    for (auto& key : keys)
        CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
    std::sort(keys.begin(), keys.end());
    return keys;
}

// Every key each kind carries while skinned.
std::vector<std::wstring> KeysOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton:
        return Upper({L"PROCADDR", L"OLDSTYLE", L"MOUSEFLAG", L"TIMERID", L"OLDSTATE",
                      L"ALPHALEVEL", L"HDC0", L"HDC1", L"HDC2", L"HDC3", L"BMP0", L"BMP1", L"BMP2",
                      L"BMP3"});
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::ComboBox: return Upper({L"PROCADDR", L"MOUSEFLAG", L"OLDSTATE"});
    case ControlKind::Header: return Upper({L"PROCADDR", L"MOUSEFLAG", L"HDINDEX", L"HMINDEX"});
    default: return {L"PROCADDR"};
    }
}

class EngineInstall : public ::testing::Test {
  protected:
    void TearDown() override { EXPECT_EQ(SubclassCount(), 0) << "a window was left skinned"; }
};

TEST_F(EngineInstall, TakesOverEveryDescendantAndGivesEverythingBack) {
    auto f = test::MakeDesignLikeForm();
    const HWND form = f.form.get();
    auto windows = test::Descendants(form);
    windows.push_back(form);
    std::map<HWND, std::vector<std::wstring>> props_before;
    std::map<HWND, LONG_PTR> proc_before;
    std::map<HWND, LONG> style_before;
    for (HWND w : windows) {
        props_before[w] = PropNames(w);
        proc_before[w] = GetWindowLongPtrW(w, GWLP_WNDPROC);
        style_before[w] = GetWindowLongW(w, GWL_STYLE);
    }

    ASSERT_EQ(InstallSkin(form), 1);
    EXPECT_TRUE(SkinReady());
    EXPECT_TRUE(HasTrackMouseEvent());
    EXPECT_EQ(SubclassCount(), static_cast<int>(windows.size()));
    for (HWND w : windows) {
        SCOPED_TRACE(GetWindowClass(w));
        EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&SkinWindowProc));
        auto expected = KeysOf(GetControlKind(w));
        auto& before = props_before[w];
        expected.insert(expected.end(), before.begin(), before.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(PropNames(w), expected);
    }
    // The push buttons (default one included) are drawn by the skin and clipped to a region.
    for (HWND button : f.command) {
        EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_NE(GetWindowRgn(button, base::unique_hrgn(CreateRectRgn(0, 0, 0, 0)).get()), ERROR);
    }
    EXPECT_EQ(GetPropW(f.command[0], L"OLDSTYLE"),
              reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(style_before[f.command[0]])));

    std::vector<HGDIOBJ> images;
    for (HWND button : f.command) {
        for (const wchar_t* key :
             {L"HDC0", L"HDC1", L"HDC2", L"HDC3", L"BMP0", L"BMP1", L"BMP2", L"BMP3"}) {
            images.push_back(GetPropW(button, key));
            EXPECT_NE(GetObjectType(images.back()), 0u);
        }
    }

    ASSERT_EQ(RemoveSkin(form), 1);
    EXPECT_EQ(SubclassCount(), 0);
    EXPECT_FALSE(SkinReady());
    EXPECT_EQ(ButtonSkin(), nullptr);
    for (HWND w : windows) {
        SCOPED_TRACE(GetWindowClass(w));
        EXPECT_EQ(PropNames(w), props_before[w]);
        EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), proc_before[w]);
        EXPECT_EQ(GetWindowLongW(w, GWL_STYLE), style_before[w]);
    }
    for (HWND button : f.command) {
        EXPECT_EQ(GetWindowRgn(button, base::unique_hrgn(CreateRectRgn(0, 0, 0, 0)).get()), ERROR);
    }
    for (HGDIOBJ image : images)
        EXPECT_EQ(GetObjectType(image), 0u);
    EXPECT_EQ(RemoveSkin(form), 0);
}

TEST_F(EngineInstall, SecondInstallDoesNothingAndLastReleaseRebuildsNextTime) {
    auto f = test::MakeDesignLikeForm();
    ASSERT_EQ(InstallSkin(f.form.get()), 1);
    const int count = SubclassCount();
    const HDC first_skin = ButtonSkin();
    EXPECT_NE(first_skin, nullptr);

    // Installing again leaves everything as it is, even a control added since.
    const HWND late =
        test::AddChild(f.form.get(), L"Button", L"new", BS_PUSHBUTTON, 500, 330, 90, 30);
    EXPECT_EQ(InstallSkin(f.form.get()), 0);
    EXPECT_EQ(SubclassCount(), count);
    EXPECT_FALSE(IsSubclassed(late));
    EXPECT_EQ(ButtonSkin(), first_skin);

    // A second skinned window keeps the bitmaps alive when the first one goes. Being a form,
    // it is taken over as soon as it is activated in place of the skinned one.
    auto other = test::MakeForm(100, 100);
    EXPECT_TRUE(IsSubclassed(other.get()));
    EXPECT_EQ(InstallSkin(other.get()), 0);
    ASSERT_EQ(RemoveSkin(f.form.get()), 1);
    EXPECT_TRUE(SkinReady());
    EXPECT_EQ(ButtonSkin(), first_skin);
    ASSERT_EQ(RemoveSkin(other.get()), 1);
    EXPECT_FALSE(SkinReady());
    EXPECT_EQ(GetObjectType(first_skin), 0u);

    ASSERT_EQ(InstallSkin(f.form.get()), 1);
    EXPECT_TRUE(SkinReady());
    EXPECT_NE(ButtonSkin(), nullptr);
    EXPECT_NE(GetObjectType(ButtonSkin()), 0u);
    RemoveSkin(f.form.get());
}

TEST_F(EngineInstall, ButtonTypesAndStatesAtInstallation) {
    auto form = test::MakeForm();
    struct Case {
        DWORD style;
        bool owner_drawn;
    };
    const Case cases[] = {
        {BS_PUSHBUTTON, true},      {BS_DEFPUSHBUTTON, true}, {BS_USERBUTTON, true},
        {BS_AUTORADIOBUTTON, true}, {BS_CHECKBOX, false},     {BS_AUTOCHECKBOX, false},
        {BS_RADIOBUTTON, false},    {BS_3STATE, false},       {BS_AUTO3STATE, false},
        {BS_GROUPBOX, false},       {BS_PUSHBOX, false},      {BS_OWNERDRAW, true},
    };
    std::vector<HWND> buttons;
    std::vector<LONG> styles;
    int x = 0;
    for (const Case& c : cases) {
        buttons.push_back(test::AddChild(form.get(), L"Button", L"b", c.style, 10 + x, 10, 45, 30));
        styles.push_back(GetWindowLongW(buttons.back(), GWL_STYLE));
        x += 50;
    }
    const HWND disabled =
        test::AddChild(form.get(), L"ThunderRT6CommandButton", L"off", WS_DISABLED, 10, 60, 80, 30);

    ASSERT_EQ(InstallSkin(form.get()), 1);
    for (size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(cases[i].style);
        const LONG type = GetWindowLongW(buttons[i], GWL_STYLE) & BS_TYPEMASK;
        EXPECT_EQ(type, cases[i].owner_drawn ? BS_OWNERDRAW : styles[i] & BS_TYPEMASK);
        EXPECT_TRUE(HasProp(buttons[i], L"HDC3"));
        EXPECT_NE(GetWindowRgn(buttons[i], base::unique_hrgn(CreateRectRgn(0, 0, 0, 0)).get()),
                  ERROR);
    }
    // A class name in other case is the same kind: the command button gets a push button's state.
    EXPECT_EQ(GetPropW(disabled, L"OLDSTATE"), reinterpret_cast<HANDLE>(3));
    EXPECT_TRUE(HasProp(disabled, L"ALPHALEVEL"));

    // Disabled while skinned: giving the type back does not enable it again.
    EnableWindow(buttons[0], FALSE);
    ASSERT_EQ(RemoveSkin(form.get()), 1);
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(GetWindowLongW(buttons[i], GWL_STYLE), styles[i] | (i == 0 ? WS_DISABLED : 0));
    }
    EXPECT_FALSE(IsWindowEnabled(buttons[0]));
}

TEST(EngineKinds, ClassNamesMatchWithoutRegardToCase) {
    EXPECT_EQ(ClassifyClassName(L"BUTTON"), ControlKind::PushButton);
    EXPECT_EQ(ClassifyClassName(L"ThunderRT6CommandButton"), ControlKind::PushButton);
    EXPECT_EQ(ClassifyClassName(L"#32770"), ControlKind::Form);
    EXPECT_EQ(ClassifyClassName(L"Form"), ControlKind::Form);
    EXPECT_EQ(ClassifyClassName(L"ComboBox"), ControlKind::ComboBox);
    EXPECT_EQ(ClassifyClassName(L"ThunderRT6DriveListBox"), ControlKind::DriveList);
    EXPECT_EQ(ClassifyClassName(L"ThunderRT6CheckBox"), ControlKind::CheckBox);
    EXPECT_EQ(ClassifyClassName(L"ThunderOptionButton"), ControlKind::OptionButton);
    EXPECT_EQ(ClassifyClassName(L"SysHeader32"), ControlKind::Header);
    EXPECT_EQ(ClassifyClassName(L"ProgressBar20WndClass"), ControlKind::ProgressBar);
    EXPECT_EQ(ClassifyClassName(L"DataListWndClass"), ControlKind::DataList);
    EXPECT_EQ(ClassifyClassName(L"ComboLBox"), ControlKind::ComboDropList);
    EXPECT_EQ(ClassifyClassName(L"ApexGrid"), ControlKind::Grid);
    EXPECT_EQ(ClassifyClassName(L"APEXGRIDOLEDB32.20"), ControlKind::Grid);
    EXPECT_EQ(ClassifyClassName(L"xapexgrid"), ControlKind::Other);
    EXPECT_EQ(ClassifyClassName(L"Buttons"), ControlKind::Other);
    EXPECT_EQ(ClassifyClassName(L"Edit"), ControlKind::Other);
    EXPECT_EQ(ClassifyClassName(L""), ControlKind::Other);
    EXPECT_EQ(ClassifyClassName(L"msctls_progress32"), ControlKind::Other);
}

TEST(EngineKinds, ProbeLoadsOnlyWhatItMustAndReleasesIt) {
    EXPECT_TRUE(IsProcAvailable("TrackMouseEvent", L"User32"));
    EXPECT_FALSE(IsProcAvailable("NoSuchFunctionAnywhere", L"User32"));
    EXPECT_FALSE(IsProcAvailable("TrackMouseEvent", L"no_such_library_here"));
    // A library this process has not loaded is loaded for the question only.
    ASSERT_EQ(GetModuleHandleW(L"mpr"), nullptr) << "pick a library the tests do not load";
    EXPECT_TRUE(IsProcAvailable("WNetGetConnectionW", L"mpr"));
    EXPECT_EQ(GetModuleHandleW(L"mpr"), nullptr);
    // One that is loaded stays loaded.
    const HMODULE held = LoadLibraryW(L"mpr");
    EXPECT_FALSE(IsProcAvailable("NoSuchFunctionAnywhere", L"mpr"));
    EXPECT_EQ(GetModuleHandleW(L"mpr"), held);
    FreeLibrary(held);
}

TEST_F(EngineInstall, NullAndForeignHandlesChangeNothing) {
    EXPECT_EQ(InstallSkin(nullptr), 0);
    EXPECT_FALSE(SkinReady()) << "a null window builds no bitmaps";
    EXPECT_EQ(ButtonSkin(), nullptr);
    EXPECT_EQ(SubclassWindow(nullptr), 0);
    EXPECT_EQ(UnsubclassWindow(nullptr), 0);
    EXPECT_EQ(SkinWindowProc(nullptr, WM_NULL, 0, 0), 0);
    auto plain = test::MakeForm(50, 50);
    EXPECT_EQ(RemoveSkin(plain.get()), 0);
    // A window that is not (or no longer) skinned but runs the skin's procedure is served by
    // the default procedure.
    SetWindowTextW(plain.get(), L"abc");
    EXPECT_EQ(SkinWindowProc(plain.get(), WM_GETTEXTLENGTH, 0, 0), 3);
}

// The window whose "PROCADDR" cannot be written, for the writer below.
HWND unwritable = nullptr;
bool WriteExceptUnwritable(HWND window, LONG_PTR procedure) {
    return window != unwritable &&
           SetPropW(window, L"PROCADDR", reinterpret_cast<HANDLE>(procedure));
}

TEST_F(EngineInstall, AWindowWhosePreviousProcedureCannotBeKeptIsGivenBack) {
    auto f = test::MakeDesignLikeForm();
    const HWND button = f.command[1];
    const LONG_PTR button_proc = GetWindowLongPtrW(button, GWLP_WNDPROC);
    const LONG_PTR form_proc = GetWindowLongPtrW(f.form.get(), GWLP_WNDPROC);
    const auto button_props = PropNames(button);
    SetProcAddrWriter(WriteExceptUnwritable);

    // One control: the others are skinned, that one runs its own procedure as before.
    unwritable = button;
    ASSERT_EQ(InstallSkin(f.form.get()), 1);
    EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), button_proc);
    EXPECT_EQ(PropNames(button), button_props);
    EXPECT_TRUE(IsSubclassed(f.command[0]));
    RemoveSkin(f.form.get());
    EXPECT_EQ(SubclassCount(), 0);

    // The form itself: its descendants are given back with it and nothing stays built.
    unwritable = f.form.get();
    EXPECT_EQ(InstallSkin(f.form.get()), 0);
    EXPECT_EQ(GetWindowLongPtrW(f.form.get(), GWLP_WNDPROC), form_proc);
    EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), button_proc);
    EXPECT_FALSE(IsSubclassed(f.command[0]));
    EXPECT_FALSE(SkinReady());
    SetProcAddrWriter(nullptr);
}

TEST_F(EngineInstall, WindowDestroyedWhileSkinnedReleasesItselfFirst) {
    auto f = test::MakeDesignLikeForm();
    ASSERT_EQ(InstallSkin(f.form.get()), 1);
    const int count = SubclassCount();
    const HANDLE image = GetPropW(f.command[1], L"HDC0");
    DestroyWindow(f.command[1]);
    EXPECT_EQ(SubclassCount(), count - 1);
    EXPECT_EQ(GetObjectType(image), 0u);

    const HDC skin = ButtonSkin();
    f.form.reset(); // destroys the form and everything in it
    EXPECT_EQ(SubclassCount(), 0);
    EXPECT_FALSE(SkinReady());
    EXPECT_EQ(GetObjectType(skin), 0u);
}

TEST_F(EngineInstall, WindowsThatAppearLaterAreTakenOverOnce) {
    auto form = test::MakeForm();
    ASSERT_EQ(InstallSkin(form.get()), 1);
    const HWND form_ = form.get();

    // A drop-down list announces itself when it is drawn.
    const HWND list = test::AddChild(form_, L"ComboLBox", L"", 0, 10, 10, 100, 100);
    SendMessageW(form_, WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(list));
    EXPECT_TRUE(IsSubclassed(list));
    const int count = SubclassCount();
    SendMessageW(form_, WM_CTLCOLORLISTBOX, 0, reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(SubclassCount(), count);

    // A dialog going idle.
    base::unique_hwnd dialog(CreateWindowExW(0, L"Form", L"d", WS_POPUP, 0, 0, 50, 50, form_,
                                             nullptr, nullptr, nullptr));
    SendMessageW(form_, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog.get()));
    EXPECT_TRUE(IsSubclassed(dialog.get()));

    // Activation: an owned window or a form-kind window is taken over, any other is not.
    base::unique_hwnd owned(CreateWindowExW(0, L"Static", L"o", WS_POPUP, 0, 0, 50, 50, form_,
                                            nullptr, nullptr, nullptr));
    base::unique_hwnd stranger(CreateWindowExW(0, L"Static", L"s", WS_POPUP, 0, 0, 50, 50, nullptr,
                                               nullptr, nullptr, nullptr));
    SendMessageW(form_, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(stranger.get()));
    EXPECT_FALSE(IsSubclassed(stranger.get()));
    SendMessageW(form_, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(owned.get()));
    EXPECT_TRUE(IsSubclassed(owned.get()));

    owned.reset();
    dialog.reset();
    RemoveSkin(form_);
    DestroyWindow(list);
}

// A form whose click handler removes the skin, as an unload from a button would.
LRESULT CALLBACK RemovingFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) RemoveSkin(window);
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(EngineInstall, RemovingTheSkinInsideAClickLeavesNothingBehind) {
    auto form = test::MakeForm(300, 200);
    SetWindowLongPtrW(form.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RemovingFormProc));
    const HWND button =
        test::AddChild(form.get(), L"Button", L"退出", BS_PUSHBUTTON, 20, 20, 100, 30);
    const auto before = PropNames(button);
    ASSERT_EQ(InstallSkin(form.get()), 1);
    const POINT centre = test::ClientCentre(button);
    test::MoveCursorTo(button, centre);
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, test::MousePosition(centre));
    SendMessageW(button, WM_LBUTTONUP, 0, test::MousePosition(centre));
    EXPECT_EQ(SubclassCount(), 0);
    EXPECT_EQ(PropNames(button), before);
    EXPECT_FALSE(KillTimer(button, 1)) << "a fade timer was started after the release";
}

// A message box opened from a skinned form: read while it is up, then closed.
struct MessageBoxProbe {
    static inline bool seen = false;
    static inline bool box_skinned = false;
    static inline bool ok_button_skinned = false;
    static inline HANDLE ok_image = nullptr;
    static inline int count_while_open = 0;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        const HWND box = FindWindowW(L"#32770", L"engine test box");
        if (!box) return;
        KillTimer(nullptr, id);
        seen = true;
        box_skinned = IsSubclassed(box);
        const HWND ok = GetDlgItem(box, IDOK);
        ok_button_skinned = IsSubclassed(ok);
        ok_image = GetPropW(ok, L"HDC0");
        count_while_open = SubclassCount();
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
};

TEST_F(EngineInstall, MessageBoxFromSkinnedFormIsSkinnedAndReleased) {
    auto f = test::MakeDesignLikeForm();
    ASSERT_EQ(InstallSkin(f.form.get()), 1);
    const int form_count = SubclassCount();
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, MessageBoxProbe::Tick);
    MessageBoxW(f.form.get(), L"水泥用量小于最小值 故取260", L"engine test box", MB_OK);
    KillTimer(nullptr, timer);

    ASSERT_TRUE(MessageBoxProbe::seen);
    EXPECT_TRUE(MessageBoxProbe::box_skinned);
    EXPECT_TRUE(MessageBoxProbe::ok_button_skinned);
    EXPECT_GT(MessageBoxProbe::count_while_open, form_count);
    EXPECT_EQ(SubclassCount(), form_count);
    EXPECT_EQ(GetObjectType(MessageBoxProbe::ok_image), 0u);
    RemoveSkin(f.form.get());
}

TEST_F(EngineInstall, WindowOfAnotherProcessIsNeverTakenOver) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring helper(path);
    helper = helper.substr(0, helper.find_last_of(L"\\/") + 1) + L"skin_engine_foreign_window.exe";
    const std::wstring event_name =
        L"mixora-engine-foreign-" + std::to_wstring(GetCurrentProcessId());
    base::unique_any<HANDLE, CloseHandle> ready(
        CreateEventW(nullptr, TRUE, FALSE, event_name.c_str()));
    std::wstring command_line = L"\"" + helper + L"\" " + event_name;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(helper.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &process));
    base::unique_any<HANDLE, CloseHandle> process_handle(process.hProcess);
    base::unique_any<HANDLE, CloseHandle> thread_handle(process.hThread);
    ASSERT_EQ(WaitForSingleObject(ready.get(), 20000), WAIT_OBJECT_0);
    const HWND foreign = FindWindowW(L"Form", event_name.c_str());
    ASSERT_NE(foreign, nullptr);

    auto form = test::MakeForm(60, 60);
    ASSERT_EQ(InstallSkin(form.get()), 1);
    EXPECT_EQ(SubclassWindow(foreign), 0);
    EXPECT_EQ(InstallSkin(foreign), 0);
    // Activation by a form-kind window of the other process does not take it over either.
    SendMessageW(form.get(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(foreign));
    EXPECT_EQ(GetPropW(foreign, L"PROCADDR"), nullptr);
    EXPECT_EQ(SubclassCount(), 1);
    RemoveSkin(form.get());
    // Alone, it builds nothing that would outlive the call.
    EXPECT_EQ(InstallSkin(foreign), 0);
    EXPECT_FALSE(SkinReady());

    PostMessageW(foreign, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process_handle.get(), 20000), WAIT_OBJECT_0);
}

} // namespace
} // namespace mixora::skin
