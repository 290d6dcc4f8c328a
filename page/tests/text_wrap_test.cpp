// The text of the laid-out pages: UTF-8 read as wide text, lines broken where a reader expects,
// and columns sharing a table's width.
#include "fixed_width_measurer.h"

#include "column_widths.h"
#include "text_wrap.h"
#include "wide_text.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace mixora::page {
namespace {

using Lines = std::vector<std::wstring>;

// 206 wide less the slack of 3 % is 200: ten characters of the fixed-width measurer.
constexpr int kTenCharacters = 206;

Lines Wrap(std::wstring_view text, int width = kTenCharacters) {
    return WrapText(FixedWidthMeasurer(), TextStyle::Body, text, width);
}

TEST(WideTextTest, ReadsUtf8AndMarksWhatIsNotUtf8) {
    EXPECT_EQ(WideText("C30 混凝土 m³"), L"C30 混凝土 m³");
    const std::wstring face = WideText("\xF0\x9F\x98\x80"); // U+1F600, beyond 16 bits
    if constexpr (sizeof(wchar_t) == 2)
        EXPECT_EQ(face, std::wstring({wchar_t(0xD83D), wchar_t(0xDE00)}));
    else
        EXPECT_EQ(face, std::wstring(1, wchar_t(0x1F600)));
    // A stray continuation, a character cut short, an overlong slash, an encoded surrogate.
    EXPECT_EQ(WideText("a\x80z"), L"a\uFFFDz");
    EXPECT_EQ(WideText("a\xE6\xB7"), L"a\uFFFD");
    EXPECT_EQ(WideText("\xC0\xAF"), L"\uFFFD");
    EXPECT_EQ(WideText("\xED\xA0\x80!"), L"\uFFFD!");
}

TEST(TextWrapTest, ChineseBreaksBetweenCharactersButNotAroundPunctuation) {
    EXPECT_EQ(Wrap(L"一二三四五六七八九十甲乙丙"), (Lines{L"一二三四五六七八九十", L"甲乙丙"}));
    // A closing mark would begin the line: the character before it goes down with it.
    EXPECT_EQ(Wrap(L"一二三四五六七八九十。甲"), (Lines{L"一二三四五六七八九", L"十。甲"}));
    // An opening mark would end the line: it goes down.
    EXPECT_EQ(Wrap(L"一二三四五六七八九（十）"), (Lines{L"一二三四五六七八九", L"（十）"}));
}

TEST(TextWrapTest, WordsBreakAtBlanksAndAWordWiderThanALineWhereItMust) {
    EXPECT_EQ(Wrap(L"alpha betas gamma"), (Lines{L"alpha", L"betas", L"gamma"}));
    EXPECT_EQ(Wrap(L"alpha beta   gamma"), (Lines{L"alpha beta", L"gamma"}));
    EXPECT_EQ(Wrap(std::wstring(25, L'W')),
              (Lines{std::wstring(10, L'W'), std::wstring(10, L'W'), std::wstring(5, L'W')}));
    // A number goes down whole, even where a closing mark after it is what does not fit.
    EXPECT_EQ(Wrap(L"一二三四五 0.40）"), (Lines{L"一二三四五", L"0.40）"}));
    EXPECT_EQ(Wrap(L"一二三四五六七0.40）"), (Lines{L"一二三四五六七", L"0.40）"}));
    // No room at all still moves on, a character a line.
    EXPECT_EQ(Wrap(L"abc", 0), (Lines{L"a", L"b", L"c"}));
}

TEST(TextWrapTest, LineBreaksStartLinesAndTabsReadAsBlanks) {
    EXPECT_EQ(Wrap(L"a\r\n\nb\tc"), (Lines{L"a", L"", L"b c"}));
    EXPECT_EQ(Wrap(L""), (Lines{L""}));
}

TEST(TextWrapTest, TheUnwrappedWidthKeepsATextOnOneLine) {
    const FixedWidthMeasurer measurer;
    for (const std::wstring& text :
         Lines{L"x", L"水泥用量", L"Portland cement, curing at 20 °C", std::wstring(120, L'混')}) {
        const Lines lines = WrapText(measurer, TextStyle::Body, text,
                                     UnwrappedWidth(measurer, TextStyle::Body, text));
        EXPECT_EQ(lines, (Lines{text}));
    }
}

TEST(TextMeasurerTest, FitFindsTheLongestStartWithinTheRoom) {
    const FixedWidthMeasurer measurer;
    EXPECT_EQ(measurer.Fit(TextStyle::Body, L"abcdef", 19), 0u);
    EXPECT_EQ(measurer.Fit(TextStyle::Body, L"abcdef", 60), 3u);
    EXPECT_EQ(measurer.Fit(TextStyle::Body, L"abcdef", 79), 3u);
    EXPECT_EQ(measurer.Fit(TextStyle::Body, L"abcdef", 5000), 6u);
    EXPECT_EQ(measurer.Fit(TextStyle::Body, L"", 5000), 0u);
}

int Sum(const std::vector<int>& widths) {
    return std::accumulate(widths.begin(), widths.end(), 0);
}

TEST(ColumnWidthsTest, ColumnsThatFitAreStretchedInProportion) {
    const std::vector<int> widths = ColumnWidths({100, 200, 100}, 1000);
    EXPECT_EQ(widths, (std::vector<int>{250, 500, 250}));
    EXPECT_EQ(Sum(ColumnWidths({100, 200, 300}, 1001)), 1001);
}

TEST(ColumnWidthsTest, WhenTooWideTheNarrowKeepTheirWidthAndTheWideShareTheRest) {
    // 100 would get less than it needs in proportion (1000 × 100 / 2200): it keeps 100, and the
    // two wide ones share the other 900 as 1000 : 1100.
    const std::vector<int> widths = ColumnWidths({100, 1000, 1100}, 1000);
    EXPECT_EQ(widths[0], 100);
    EXPECT_EQ(widths[1], 900 * 1000 / 2100);
    EXPECT_EQ(Sum(widths), 1000);
    EXPECT_LT(widths[1], widths[2]);
    EXPECT_EQ(ColumnWidths({50, 60, 5000}, 1000), (std::vector<int>{50, 60, 890}));
    EXPECT_TRUE(ColumnWidths({}, 1000).empty());
}

} // namespace
} // namespace mixora::page
