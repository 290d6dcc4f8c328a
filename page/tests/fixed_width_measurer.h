#pragma once
// A measurer for layout tests: every character as wide as the next, every line as high as the
// next (the title's higher), so that what fits where can be worked out by hand.
#include "text_measurer.h"

namespace mixora::page {

class FixedWidthMeasurer final : public TextMeasurer {
  public:
    static constexpr int kCharacter = 20; // 2 mm
    static constexpr int kLine = 40;
    static constexpr int kTitleLine = 60;

    int Width(TextStyle, std::wstring_view text) const override {
        return static_cast<int>(text.size()) * kCharacter;
    }
    int Height(TextStyle style) const override {
        return style == TextStyle::Title ? kTitleLine : kLine;
    }
};

} // namespace mixora::page
