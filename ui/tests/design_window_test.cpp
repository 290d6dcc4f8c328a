// The design window as it opens: title, controls, classes, places, reset texts, the buttons
// that do not calculate, and closing.
#include "design_window_fixture.h"
#include "utf.h"
#include "window_sheet.h"

#include <stdexcept>
#include "layout.h"

#include <array>
#include <utility>

namespace mixora::ui::testing {
namespace {

std::wstring ClassOf(HWND window) {
    wchar_t name[256]{};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring WindowText(HWND window) {
    wchar_t text[256]{};
    GetWindowTextW(window, text, 256);
    return text;
}

// Where a control sits in its parent's client area.
RECT PlaceInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class OpeningTest : public DesignWindowTest {
  protected:
    void ExpectResetSheet() const {
        for (const calc::Field field : calc::kAllFields)
            EXPECT_EQ(Text(field), Widen(golden::kResetTexts[calc::FieldIndex(field)]))
                << calc::FieldName(field);
        EXPECT_TRUE(Checked(ids::option1));
        EXPECT_FALSE(Checked(ids::option2));
        EXPECT_TRUE(Checked(ids::细砂));
        EXPECT_FALSE(Checked(ids::粗砂));
        EXPECT_TRUE(Checked(ids::卵石));
    }
};

TEST_F(OpeningTest, OpensWithTitleAndResetValues) {
    EXPECT_EQ(WindowText(window->hwnd()), L"Mixora    2011423 Beta 1  By：Halvec");
    EXPECT_EQ(ClassOf(window->hwnd()), L"Form");
    ExpectResetSheet();
    EXPECT_FALSE(Checked(ids::碎石));
    // Focus starts on the first control of the focus order.
    EXPECT_EQ(GetFocus(), Control(ids::粗砂));
}

TEST_F(DesignWindowTest, EveryControlHasItsIdCaptionAndClass) {
    int frames = 0, labels = 0, texts = 0, buttons = 0;
    for (const ControlEntry& entry : DesignLayout()) {
        HWND control = Control(entry.id);
        ASSERT_NE(control, nullptr) << entry.name;
        EXPECT_EQ(GetDlgCtrlID(control), entry.id) << entry.name;
        const std::wstring cls = ClassOf(control);
        switch (entry.type) {
        case ControlType::Frame:
            ++frames;
            EXPECT_EQ(GetParent(control), window->hwnd());
            EXPECT_EQ(WindowText(control), entry.caption);
            break;
        case ControlType::Label:
            ++labels;
            EXPECT_EQ(cls, L"Static");
            EXPECT_EQ(WindowText(control), entry.caption);
            break;
        case ControlType::Text:
            ++texts;
            EXPECT_EQ(cls, L"Edit");
            EXPECT_TRUE(GetWindowLongPtrW(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
            EXPECT_FALSE(GetWindowLongPtrW(control, GWL_STYLE) & ES_MULTILINE);
            break;
        case ControlType::Option: EXPECT_EQ(cls, L"ThunderRT6OptionButton"); break;
        case ControlType::Check: EXPECT_EQ(cls, L"ThunderRT6CheckBox"); break;
        case ControlType::Command:
            ++buttons;
            EXPECT_EQ(cls, L"Button");
            EXPECT_EQ(WindowText(control), entry.caption);
            // No default button: Enter presses nothing.
            EXPECT_NE(GetWindowLongPtrW(control, GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
            break;
        default: ADD_FAILURE() << entry.name << " is of a kind the sheet has no control of";
        }
        EXPECT_TRUE(IsWindowEnabled(control)) << entry.name;
        EXPECT_TRUE(IsWindowVisible(control)) << entry.name;
    }
    EXPECT_EQ(frames, 9);
    EXPECT_EQ(labels, 25);
    EXPECT_EQ(texts, 33);
    EXPECT_EQ(buttons, 4);
}

TEST_F(DesignWindowTest, PlacesFollowTheLayoutInTwips) {
    const int dpi = window->dpi();
    RECT client{};
    GetClientRect(window->hwnd(), &client);
    EXPECT_EQ(client.right, TwipsToPixels(8100, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixels(4965, dpi));

    for (const ControlEntry& entry : DesignLayout()) {
        const RECT place = PlaceInParent(Control(entry.id));
        EXPECT_EQ(place.left, TwipsToPixels(entry.left, dpi)) << entry.name;
        EXPECT_EQ(place.top, TwipsToPixels(entry.top, dpi)) << entry.name;
        if (entry.width == 0) continue;
        EXPECT_EQ(place.right - place.left, TwipsToPixels(entry.width, dpi)) << entry.name;
        EXPECT_EQ(place.bottom - place.top, TwipsToPixels(entry.height, dpi)) << entry.name;
    }
    // Fields sit in their groups: Text1 in "混凝土配置强度", the buttons in "关于".
    EXPECT_EQ(GetParent(Control(ids::Text(Text1))), Control(ids::Frame(1)));
    EXPECT_EQ(GetParent(Control(ids::Command(4))), Control(ids::Frame(9)));
    EXPECT_EQ(GetParent(Control(ids::Text(Text33))), Control(ids::Frame(7)));
}

TEST_F(DesignWindowTest, WindowIsFixedSizeAndCanBeMinimised) {
    const LONG_PTR style = GetWindowLongPtrW(window->hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
}

TEST_F(DesignWindowTest, LabelsFitTheirCaptions) {
    // A label sized to its caption never cuts it off.
    for (const ControlEntry& entry : DesignLayout()) {
        if (entry.type != ControlType::Label) continue;
        HWND label = Control(entry.id);
        HDC dc = GetDC(label);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc, entry.caption, lstrlenW(entry.caption), &size);
        SelectObject(dc, old);
        ReleaseDC(label, dc);
        RECT rect{};
        GetClientRect(label, &rect);
        EXPECT_GE(rect.right, size.cx) << entry.name;
    }
}

TEST_F(DesignWindowTest, HelpShowsItsBoxAndNothingElse) {
    Type(Text1, L"25");
    Click(ids::Help);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"Mixora");
    EXPECT_EQ(boxes.shown[0].title, L"Tessavo");
    EXPECT_EQ(boxes.shown[0].style, static_cast<UINT>(MB_OK));
    EXPECT_EQ(Text(Text1), L"25");
    EXPECT_EQ(Text(Text2), L"");
}

TEST_F(OpeningTest, ResetAfterCalculationRestoresDefaultsAndKeeps碎石) {
    Click(ids::碎石);
    Click(ids::粗砂);
    Click(ids::option2);
    Type(Text20, L"2400");
    Type(Text16, L"anything");
    PressCalculate();
    ASSERT_EQ(Text(Text2), L"26.58");
    ASSERT_NE(Text(Text11), L"水泥");

    Click(ids::Reset);
    ExpectResetSheet();
    EXPECT_TRUE(Checked(ids::碎石)) << "the reset leaves 碎石 as it was";
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DesignWindowTest, ExitEndsTheProgramWithoutUnloading) {
    Click(ids::Exit);
    EXPECT_EQ(exits, 1);
    // The program would be gone; the window has not been unloaded or destroyed by the click.
    EXPECT_TRUE(IsWindow(window->hwnd()));
}

TEST_F(DesignWindowTest, CloseBoxUnloadsAndDestroysTheWindow) {
    HWND hwnd = window->hwnd();
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(window->hwnd(), nullptr);
    EXPECT_EQ(exits, 0);
}

TEST_F(DesignWindowTest, FollowsADpiChange) {
    const int dpi = 144;
    RECT suggested{100, 100, 900, 700};
    SendMessageW(window->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(window->dpi(), dpi);
    RECT client{};
    GetClientRect(window->hwnd(), &client);
    EXPECT_EQ(client.right, TwipsToPixels(8100, dpi));
    const RECT place = PlaceInParent(Control(ids::Text(Text1)));
    EXPECT_EQ(place.left, TwipsToPixels(2160, dpi));
    EXPECT_EQ(place.right - place.left, TwipsToPixels(915, dpi));
}

// The window's sheet keeps the contract of every sheet for a value that names no field.
TEST_F(DesignWindowTest, WindowSheetRefusesAValueThatNamesNoField) {
    WindowSheet sheet([this](int id) { return Control(id); });
    for (const calc::Field bad : {static_cast<calc::Field>(0), static_cast<calc::Field>(34)}) {
        EXPECT_THROW(sheet.text(bad), std::out_of_range);
        EXPECT_THROW(sheet.set_text(bad, "x"), std::out_of_range);
    }
    EXPECT_EQ(sheet.text(Text1), "20");
}

} // namespace
} // namespace mixora::ui::testing
