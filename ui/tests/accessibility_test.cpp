// The desktop's conventions: a high-contrast theme puts the skin aside, live, with nothing lost
// on the sheet; a screen reader names every field.
#include "accessible_names.h"
#include "design_window_fixture.h"
#include "engine_state.h"
#include "layout.h"
#include "subclass.h"
#include "test_windows.h"

#include <oleacc.h>

#include <array>
#include <vector>

namespace mixora::ui::testing {
namespace {

using skin::test::Descendants;

// What the sheet holds: every field's text and every option's state.
struct SheetState {
    std::vector<std::wstring> texts;
    std::array<bool, 6> toggles{};
    bool operator==(const SheetState&) const = default;
};

class HighContrastTest : public DesignWindowTest {
  protected:
    void Configure(DesignWindowOptions& options) override {
        options.high_contrast = [this] { return high_contrast; };
    }

    // The theme switched, as the system announces it.
    void Switch(bool on, UINT message) {
        high_contrast = on;
        SendMessageW(window->hwnd(), message, message == WM_SETTINGCHANGE ? SPI_SETHIGHCONTRAST : 0,
                     0);
        Pump();
    }

    SheetState State() const {
        SheetState state;
        for (const calc::Field field : calc::kAllFields)
            state.texts.push_back(Text(field));
        int i = 0;
        for (const int id :
             {ids::option1, ids::option2, ids::细砂, ids::粗砂, ids::卵石, ids::碎石})
            state.toggles[static_cast<size_t>(i++)] = Checked(id);
        return state;
    }

    int SkinnedWindows() const {
        int count = skin::IsSubclassed(window->hwnd());
        for (HWND control : Descendants(window->hwnd()))
            count += skin::IsSubclassed(control);
        return count;
    }

    // The colour of a group's border, where its left side crosses the middle.
    COLORREF GroupBorder(int frame) const {
        HWND group = Control(ids::Frame(frame));
        RECT client{};
        GetClientRect(group, &client);
        return skin::test::WindowPixel(group, 0, client.bottom / 2);
    }

    bool high_contrast = false;
};

TEST_F(HighContrastTest, TheSkinStepsAsideWhileTheThemeIsOnAndComesBackAfter) {
    Type(Text1, L"30");
    Click(ids::option2);
    Click(ids::碎石);
    Type(Text20, L"2400");
    PressCalculate();
    SetFocus(Control(ids::Text(Text5)));
    const SheetState before = State();
    const int all = static_cast<int>(Descendants(window->hwnd()).size()) + 1;
    ASSERT_EQ(SkinnedWindows(), all);
    const COLORREF skin_border = GroupBorder(1);
    EXPECT_EQ(skin_border, RGB(150, 185, 215));

    Switch(true, WM_SETTINGCHANGE);
    EXPECT_EQ(SkinnedWindows(), 0);
    EXPECT_EQ(skin::SubclassCount(), 0);
    for (const int frame : {1, 5, 9})
        EXPECT_EQ(GroupBorder(frame), GetSysColor(COLOR_WINDOWTEXT)) << "Frame" << frame;
    EXPECT_EQ(State(), before);
    EXPECT_EQ(GetFocus(), Control(ids::Text(Text5)));

    Switch(false, WM_SYSCOLORCHANGE);
    EXPECT_EQ(SkinnedWindows(), all);
    EXPECT_EQ(GroupBorder(1), skin_border);
    EXPECT_EQ(State(), before);

    // An unrelated setting changes nothing.
    Switch(false, WM_SETTINGCHANGE);
    EXPECT_EQ(SkinnedWindows(), all);
}

class OpensInHighContrast : public HighContrastTest {
  public:
    OpensInHighContrast() { high_contrast = true; }
};

TEST_F(OpensInHighContrast, TheWindowOpensWithoutTheSkinAndTheSheetReset) {
    EXPECT_EQ(SkinnedWindows(), 0);
    EXPECT_EQ(Text(Text11), L"水泥");
    PressCalculate();
    EXPECT_EQ(Text(Text4), L"346.15");
    SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ(window->hwnd(), nullptr);
}

// A screen reader's name for a window, as it asks for it.
std::wstring AccessibleName(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))))
        return L"(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring result;
    if (object->get_accName(self, &name) == S_OK && name) result = name;
    SysFreeString(name);
    object->Release();
    return result;
}

TEST_F(DesignWindowTest, AScreenReaderNamesEveryLabelledFieldByItsLabel) {
    for (const calc::Field field : calc::kAllFields) {
        if (CellName(field)) continue;
        std::wstring name = AccessibleName(Control(ids::Text(field)));
        if (name.ends_with(L"：")) name.pop_back();
        EXPECT_EQ(name, FieldCaption(field)) << calc::FieldName(field);
    }
}

// Whether the system keeps names given by annotation (Wine 8's service is a stub).
bool SystemKeepsAnnotations(HWND window) {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services))))
        return false;
    const MSAAPROPID name = PROPID_ACC_NAME;
    const HRESULT kept = services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT),
                                                  CHILDID_SELF, name, L"probe");
    if (SUCCEEDED(kept))
        services->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
    services->Release();
    return SUCCEEDED(kept);
}

TEST_F(DesignWindowTest, AScreenReaderNamesTheResultCellsByColumnAndRow) {
    EXPECT_STREQ(CellName(Text11), L"水泥 用量");
    EXPECT_STREQ(CellName(Text30), L"水泥 比例");
    EXPECT_STREQ(CellName(Text33), L"水 比例");
    EXPECT_EQ(CellName(Text1), nullptr);
    if (!SystemKeepsAnnotations(Control(ids::Frame(7))))
        GTEST_SKIP() << "the system keeps no annotated names";
    for (const calc::Field field : calc::kAllFields) {
        if (const wchar_t* cell = CellName(field)) {
            EXPECT_EQ(AccessibleName(Control(ids::Text(field))), cell) << calc::FieldName(field);
        }
    }
}

} // namespace
} // namespace mixora::ui::testing
