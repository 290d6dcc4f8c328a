#pragma once
// How the laid-out page learns the size of its text: the drawer that will draw the text measures
// it, in tenths of a millimetre, in the fonts it will draw with.
#include <cstddef>
#include <string_view>

namespace mixora::page {

enum class TextStyle { Title, SectionTitle, Body, BodyBold, Note, NoteBold, Footer };
inline constexpr std::size_t kTextStyleCount = 7;

class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;
    // How wide `text` is on one line.
    virtual int Width(TextStyle style, std::wstring_view text) const = 0;
    // How far one line is below the one before.
    virtual int Height(TextStyle style) const = 0;
    // How many characters from the start of `text` fit within `room`; by default found with
    // Width, which a measurer that can tell at once may save.
    virtual std::size_t Fit(TextStyle style, std::wstring_view text, int room) const;
};

} // namespace mixora::page
