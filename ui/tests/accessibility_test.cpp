// The desktop's conventions: a screen reader names every field.
#include "accessible_names.h"
#include "design_window_fixture.h"
#include "layout.h"

#include <oleacc.h>

namespace mixora::ui::testing {
namespace {

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
