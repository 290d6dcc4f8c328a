#pragma once
// The design-file commands' messages made from what the file functions return.
#include "file_io.h"

#include <string>

namespace mixora::ui {

// "无法保存设计文件“PATH”：REASON", and for a read-only file the way out: 另存为.
std::wstring SaveFailureMessage(const FileError& error);

// Asked before 保存 replaces a design file another program changed (kChangedOnDiskStyle).
std::wstring ChangedOnDiskQuestion(const std::wstring& path);

} // namespace mixora::ui
