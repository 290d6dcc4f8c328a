#include "layout.h"

#include "caption_text.h"
#include "control_ids.h"
#include "utf.h"

#include <array>

namespace mixora::ui {

namespace {

using T = ControlType;
using namespace ids;
using enum calc::Field;

constexpr int W = kTextWidthTwips;
constexpr int H = kTextHeightTwips;

// clang-format off
constexpr ControlEntry kLayout[] = {
    // Groups.
    {T::Frame, Frame(1), L"混凝土配置强度",  0, 0,    0,    3495, 1485, "Frame1"},
    {T::Frame, Frame(4), L"确定水灰比(W/C)", 0, 3480, 0,    2655, 1815, "Frame4"},
    {T::Frame, Frame(5), L"确定砂率",        0, 6120, 0,    1935, 1815, "Frame5"},
    {T::Frame, Frame(3), L"水泥用量",        0, 0,    1500, 1935, 735,  "Frame3"},
    {T::Frame, Frame(6), L"参数",            0, 1950, 1470, 1575, 1395, "Frame6"},
    {T::Frame, Frame(7), L"混凝土配合比",    0, 3540, 1800, 4485, 1065, "Frame7"},
    {T::Frame, Frame(2), L"确定单位用水量",  0, 0,    2250, 1935, 1755, "Frame2"},
    {T::Frame, Frame(8), L"计算砂石用量",    0, 1950, 2880, 3855, 2085, "Frame8"},
    {T::Frame, Frame(9), L"关于",            0, 5790, 2880, 2265, 2085, "Frame9"},

    // 混凝土配置强度
    {T::Label, Label(1),    kLabelCaptionWithColon<Text1>, Frame(1), 120,  360,  0, 0, "Label1"},
    {T::Text,  Text(Text1), L"",                           Frame(1), 2160, 330,  W, H, "Text1"},
    {T::Label, Label(2),    kLabelCaptionWithColon<Text2>, Frame(1), 120,  720,  0, 0, "Label2"},
    {T::Text,  Text(Text2), L"",                           Frame(1), 2160, 660,  W, H, "Text2"},
    {T::Label, Label(3),    kLabelCaptionWithColon<Text3>, Frame(1), 120,  1080, 0, 0, "Label3"},
    {T::Text,  Text(Text3), L"",                           Frame(1), 810,  1020, W, H, "Text3"},

    // 确定水灰比(W/C)
    {T::Label, Label(9),     kLabelCaption<Text5>,  Frame(4), 120,  240,  0, 0, "Label9"},
    {T::Text,  Text(Text5),  L"",                   Frame(4), 1440, 240,  W, H, "Text5"},
    {T::Label, Label(10),    kLabelCaption<Text6>,  Frame(4), 180,  600,  0, 0, "Label10"},
    {T::Text,  Text(Text6),  L"",                   Frame(4), 360,  600,  W, H, "Text6"},
    {T::Label, Label(11),    kLabelCaption<Text7>,  Frame(4), 1320, 660,  0, 0, "Label11"},
    {T::Text,  Text(Text7),  L"",                   Frame(4), 1470, 600,  W, H, "Text7"},
    {T::Label, Label(12),    kLabelCaption<Text8>,  Frame(4), 120,  1080, 0, 0, "Label12"},
    {T::Text,  Text(Text8),  L"",                   Frame(4), 720,  1050, W, H, "Text8"},
    {T::Label, Label(14),    kLabelCaption<Text9>,  Frame(4), 1770, 1050, 0, 0, "Label14"},
    {T::Text,  Text(Text9),  L"",                   Frame(4), 1680, 1410, W, H, "Text9"},
    {T::Label, Label(13),    kLabelCaption<Text10>, Frame(4), 120,  1440, 0, 0, "Label13"},
    {T::Text,  Text(Text10), L"",                   Frame(4), 720,  1440, W, H, "Text10"},

    // 确定砂率
    {T::Label, Label(15),    kLabelCaption<Text15>, Frame(5), 210, 360,  0, 0, "Label15"},
    {T::Text,  Text(Text15), L"",                   Frame(5), 600, 360,  W, H, "Text15"},
    {T::Label, Label(16),    kLabelCaption<Text16>, Frame(5), 210, 780,  0, 0, "Label16"},
    {T::Text,  Text(Text16), L"",                   Frame(5), 600, 720,  W, H, "Text16"},
    {T::Label, Label(17),    kLabelCaption<Text17>, Frame(5), 240, 1200, 0, 0, "Label17"},
    {T::Text,  Text(Text17), L"",                   Frame(5), 600, 1080, W, H, "Text17"},

    // 水泥用量
    {T::Label, Label(8),    kLabelCaption<Text4>, Frame(3), 120, 360, 0, 0, "Label8"},
    {T::Text,  Text(Text4), L"",                  Frame(3), 900, 330, W, H, "Text4"},

    // 参数
    {T::Option, 细砂, L"细砂", Frame(6), 120, 240, 735, 375, "细砂"},
    {T::Option, 粗砂, L"粗砂", Frame(6), 120, 600, 735, 375, "粗砂"},
    {T::Check,  卵石, L"卵石", Frame(6), 840, 240, 705, 255, "卵石"},
    {T::Check,  碎石, L"碎石", Frame(6), 840, 600, 675, 375, "碎石"},

    // 混凝土配合比: amounts, then proportions.
    {T::Text, Text(Text11), L"", Frame(7), 150,  360, W, H, "Text11", false, L"水泥 用量"},
    {T::Text, Text(Text12), L"", Frame(7), 1140, 360, W, H, "Text12", false, L"砂 用量"},
    {T::Text, Text(Text13), L"", Frame(7), 2220, 360, W, H, "Text13", false, L"石子 用量"},
    {T::Text, Text(Text14), L"", Frame(7), 3270, 360, W, H, "Text14", false, L"水 用量"},
    {T::Text, Text(Text30), L"", Frame(7), 150,  720, W, H, "Text30", false, L"水泥 比例"},
    {T::Text, Text(Text31), L"", Frame(7), 1140, 720, W, H, "Text31", false, L"砂 比例"},
    {T::Text, Text(Text32), L"", Frame(7), 2220, 720, W, H, "Text32", false, L"石子 比例"},
    {T::Text, Text(Text33), L"", Frame(7), 3270, 720, W, H, "Text33", false, L"水 比例"},

    // 确定单位用水量
    {T::Label, Label(4),     kLabelCaption<Text26>, Frame(2), 360, 240,  0, 0, "Label4"},
    {T::Text,  Text(Text26), L"",                   Frame(2), 960, 240,  W, H, "Text26"},
    {T::Label, Label(5),     kLabelCaption<Text27>, Frame(2), 210, 690,  0, 0, "Label5"},
    {T::Text,  Text(Text27), L"",                   Frame(2), 960, 660,  W, H, "Text27"},
    {T::Label, Label(6),     kLabelCaption<Text28>, Frame(2), 360, 1080, 0, 0, "Label6"},
    {T::Text,  Text(Text28), L"",                   Frame(2), 960, 1080, W, H, "Text28"},
    {T::Label, Label(7),     kLabelCaption<Text29>, Frame(2), 180, 1470, 0, 0, "Label7"},
    {T::Text,  Text(Text29), L"",                   Frame(2), 960, 1440, W, H, "Text29"},

    // 计算砂石用量
    {T::Option, option1,      L"体积法",             Frame(8), 120,  240,  855, 255, "option1"},
    {T::Option, option2,      L"质量法",             Frame(8), 2640, 120,  855, 375, "option2"},
    {T::Label,  Label(18),    kLabelCaption<Text18>, Frame(8), 120,  600,  0,   0,   "Label18"},
    {T::Text,   Text(Text18), L"",                   Frame(8), 900,  570,  W,   H,   "Text18"},
    {T::Label,  Label(19),    kLabelCaption<Text19>, Frame(8), 240,  960,  0,   0,   "Label19"},
    {T::Text,   Text(Text19), L"",                   Frame(8), 900,  930,  W,   H,   "Text19"},
    {T::Label,  Label(20),    kLabelCaption<Text20>, Frame(8), 240,  1320, 0,   0,   "Label20"},
    {T::Text,   Text(Text20), L"",                   Frame(8), 900,  1320, W,   H,   "Text20"},
    {T::Label,  Label(21),    kLabelCaption<Text21>, Frame(8), 360,  1680, 0,   0,   "Label21"},
    {T::Text,   Text(Text21), L"",                   Frame(8), 900,  1650, W,   H,   "Text21"},
    {T::Label,  Label(22),    kLabelCaption<Text22>, Frame(8), 2040, 600,  0,   0,   "Label22"},
    {T::Text,   Text(Text22), L"",                   Frame(8), 2790, 570,  W,   H,   "Text22"},
    {T::Label,  Label(23),    kLabelCaption<Text23>, Frame(8), 2160, 960,  0,   0,   "Label23"},
    {T::Text,   Text(Text23), L"",                   Frame(8), 2790, 930,  W,   H,   "Text23"},
    {T::Label,  Label(24),    kLabelCaption<Text24>, Frame(8), 2220, 1260, 0,   0,   "Label24"},
    {T::Text,   Text(Text24), L"",                   Frame(8), 2790, 1260, W,   H,   "Text24"},
    {T::Label,  Label(25),    kLabelCaption<Text25>, Frame(8), 2040, 1680, 0,   0,   "Label25"},
    {T::Text,   Text(Text25), L"",                   Frame(8), 2790, 1620, W,   H,   "Text25"},

    // 关于
    {T::Command, Command(1), L"计算", Frame(9), 270,  360,  855, 375, "Command1"},
    {T::Command, Command(2), L"帮助", Frame(9), 1290, 360,  855, 375, "Command2"},
    {T::Command, Command(3), L"清零", Frame(9), 240,  1320, 855, 375, "Command3"},
    {T::Command, Command(4), L"退出", Frame(9), 1290, 1320, 855, 375, "Command4"},
};
// clang-format on

constexpr auto MakeFocusOrder() {
    std::array<int, 10 + calc::kFieldCount> order{
        粗砂, 细砂, 碎石, 卵石, option1, option2, Command(1), Command(2), Command(3), Command(4)};
    for (const calc::Field field : calc::kAllFields)
        order[10 + calc::FieldIndex(field)] = Text(field);
    return order;
}
constexpr auto kFocusOrder = MakeFocusOrder();

// The table, the control identifiers and the sheet agree: every field once (the identifiers are
// unique), as a text box named after its control, the identifier Text(field).
constexpr bool NamesMatch(const char* name, int number) {
    const char expected[] = {'T',
                             'e',
                             'x',
                             't',
                             static_cast<char>(number >= 10 ? '0' + number / 10 : '0' + number),
                             static_cast<char>(number >= 10 ? '0' + number % 10 : '\0'),
                             '\0'};
    for (int i = 0;; ++i) {
        if (name[i] != expected[i]) return false;
        if (name[i] == '\0') return true;
    }
}
constexpr bool EveryFieldOnceByItsName() {
    int seen = 0;
    for (const ControlEntry& entry : kLayout) {
        if (entry.type != T::Text) continue;
        if (!ids::IsText(entry.id)) return false;
        if (!NamesMatch(entry.name, calc::FieldNumber(ids::FieldOfId(entry.id)))) return false;
        ++seen;
    }
    return seen == calc::kFieldCount;
}
static_assert(EveryFieldOnceByItsName());

static_assert(IdsAreUnique(kLayout));
static_assert(InsideParents(kLayout, kClientWidthTwips, kClientHeightTwips, 0));

constexpr FormLayout kForm{kLayout,      Units::Twips, kClientWidthTwips, kClientHeightTwips,
                           Groups::None, kFocusOrder};

} // namespace

std::span<const ControlEntry> DesignLayout() {
    return kLayout;
}

const FormLayout& CementForm() {
    return kForm;
}

std::span<const int> FocusOrder() {
    return kFocusOrder;
}

const ControlEntry* FindControl(int id) {
    for (const auto& entry : kLayout)
        if (entry.id == id) return &entry;
    return nullptr;
}

std::wstring FieldCaption(calc::Field field) {
    return calc::IsField(field) ? Widen(calc::Caption(field)) : std::wstring();
}

const wchar_t* CellName(calc::Field field) {
    const ControlEntry* entry = calc::IsField(field) ? FindControl(ids::Text(field)) : nullptr;
    return entry ? entry->spoken : nullptr;
}

} // namespace mixora::ui
