#pragma once
// The user's guide as one HTML page: the text shipped in the program (guide.html) with the
// table of every field of the sheet put in at its marker, named by the captions the window
// shows.
#include "field.h"

#include <functional>
#include <string>
#include <string_view>

namespace mixora::help {

// The guide's text as the program ships it (guide.html).
std::string_view ShippedGuide();

// Where the table of fields goes in the guide's text.
inline constexpr std::string_view kFieldTableMarker = "<!-- fields -->";

// `caption(field)`: the field's caption as the window shows it (UTF-8). Without the marker the
// table is added at the end of the body.
std::string GuidePage(std::string_view guide_html,
                      const std::function<std::string(calc::Field)>& caption);

} // namespace mixora::help
