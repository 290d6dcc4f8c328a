#pragma once
// 复制结果 of a JGJ 55-2011 design: every quantity with its value, unit and source (名称, 数值,
// 单位, 来源), then the mass ratio, as a clipboard table (page/clipboard_table.h).
#include "result.h"

#include <string>

namespace mixora::jgj55_report {

// Tab-separated rows with CRLF line ends.
std::string Jgj55ClipboardText(const jgj55::Result& result);
// The same rows as the clipboard's "HTML Format".
std::string Jgj55ClipboardHtml(const jgj55::Result& result);

} // namespace mixora::jgj55_report
