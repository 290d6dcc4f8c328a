// Captions at every DPI the window is tried at: no label paints over another control of its
// group, and none is cut, by its own size or by its group's edge.
#include "design_window_fixture.h"
#include "layout.h"

namespace mixora::ui::testing {
namespace {

RECT PlaceInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE CaptionExtent(HWND control, const wchar_t* caption) {
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, caption, lstrlenW(caption), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

TEST_F(DesignWindowTest, NoLabelCoversAControlOrIsCutAtAnyDpi) {
    for (const int dpi : {96, 120, 144, 192}) {
        RECT suggested{0, 0, 100, 100};
        SendMessageW(window->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        for (const ControlEntry& label : DesignLayout()) {
            if (label.type != ControlType::Label) continue;
            const RECT place = PlaceInParent(Control(label.id));
            const SIZE caption = CaptionExtent(Control(label.id), label.caption);
            EXPECT_GE(place.right - place.left, caption.cx) << label.name << " at " << dpi;
            EXPECT_GE(place.bottom - place.top, caption.cy) << label.name << " at " << dpi;
            RECT group{};
            GetClientRect(GetParent(Control(label.id)), &group);
            RECT inside{};
            IntersectRect(&inside, &place, &group);
            EXPECT_TRUE(EqualRect(&inside, &place)) << label.name << " at " << dpi;
            for (const ControlEntry& other : DesignLayout()) {
                if (other.parent != label.parent || &other == &label) continue;
                const RECT other_place = PlaceInParent(Control(other.id));
                RECT overlap{};
                EXPECT_FALSE(IntersectRect(&overlap, &place, &other_place))
                    << label.name << " over " << other.name << " at " << dpi;
            }
        }
    }
}

} // namespace
} // namespace mixora::ui::testing
