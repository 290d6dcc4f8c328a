#pragma once
// Texts bound for a spreadsheet (the CSV export, the clipboard's tab-separated text): a cell
// that begins with "=", "+", "-", "@", a tab or a carriage return is run as a formula when a
// spreadsheet opens or pastes it, so such a cell gets a leading apostrophe and stays text.
// A plain number with a sign ("-2", "+5", "-1,234.5") is left as it is: it stays a number.
#include <string>
#include <string_view>

namespace mixora::page {

std::string NeutralizeFormula(std::string_view text);

} // namespace mixora::page
