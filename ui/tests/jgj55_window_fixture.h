#pragma once
// A design window with the JGJ 55-2011 sheet, and the worked example typed into it as a user
// would.
#include "control_text.h"
#include "design_window_fixture.h"
#include "jgj55_ids.h"
#include "jgj55_sheet.h"

namespace mixora::ui::testing {

namespace j = jgj55_ids;

class Jgj55WindowTest : public DesignWindowTest {
  protected:
    void Configure(DesignWindowOptions& options) override {
        options.make_sheet = [this](SheetHost& host, const calc::NumberFormat&) {
            auto made = std::make_unique<Jgj55Sheet>(host);
            sheet = made.get();
            return std::unique_ptr<SheetView>(std::move(made));
        };
    }

    std::wstring Get(int id) const { return ReadText(Control(id)); }
    void Set(int id, const wchar_t* text) {
        SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    // Picks an item of a drop-down list as the user does: the list tells its window.
    void Choose(int id, const wchar_t* item) {
        HWND combo = Control(id);
        const auto index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(item));
        ASSERT_NE(index, CB_ERR) << item;
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }

    // C35, P·O 42.5, fly ash Ⅱ 20 %, no slag, 碎石 20 mm, 中砂, slump 160, β 25 %, dosage
    // 1.2 %, 一, 钢筋混凝土, 体积法 with the default densities: W/B 0.47, water 174, cement 296,
    // admixture 4.44 kg/m³, fcu,0 43.2 MPa.
    void EnterWorkedExample() {
        Choose(j::Grade, L"C35");
        Choose(j::CementKind, L"普通硅酸盐水泥 P·O");
        Choose(j::CementGrade, L"42.5");
        Choose(j::FlyAshGrade, L"Ⅱ级");
        Set(j::FlyAshShare, L"20");
        Set(j::SlagShare, L"0");
        Click(j::Crushed);
        Choose(j::MaxSize, L"20 mm");
        Click(j::MediumSand);
        Set(j::Slump, L"160");
        Set(j::WaterReduction, L"25");
        Set(j::Dosage, L"1.2");
        Choose(j::Environment, L"一");
        Choose(j::Structure, L"钢筋混凝土");
        Click(j::VolumeMethod);
    }

    Jgj55Sheet* sheet = nullptr;
};

} // namespace mixora::ui::testing
