#pragma once
// Whether the user has a high-contrast theme on: the skin then steps aside, so that the system
// draws every control in the theme's colours.
namespace mixora::ui {

bool HighContrastOn();

} // namespace mixora::ui
