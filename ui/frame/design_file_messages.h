#pragma once
// The design-file commands' messages made from what the file functions return.
#include "file_io.h"

#include <string>

namespace mixora::ui {

// "无法保存设计文件“PATH”：REASON", and for a read-only file the way out: 另存为.
std::wstring SaveFailureMessage(const FileError& error);

// Asked before 保存 replaces a design file changed since (kChangedOnDiskStyle): by another
// program, or by another design window of this one (`by_our_window`).
std::wstring ChangedOnDiskQuestion(const std::wstring& path, bool by_our_window);

} // namespace mixora::ui
