#pragma once
// Putting text on the clipboard in two formats at once: Unicode text and "HTML Format".
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace mixora::ui {

// The clipboard format that spreadsheets and word processors paste as a table.
UINT HtmlClipboardFormat();

// Replaces what the clipboard holds with `text` (UTF-8, put as CF_UNICODETEXT) and `html` (the
// bytes of the "HTML Format" data). Nothing on failure: why it failed, in Chinese.
std::optional<std::wstring> PutOnClipboard(HWND owner, std::string_view text,
                                           std::string_view html);

} // namespace mixora::ui
