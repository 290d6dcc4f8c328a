#pragma once
// A design file from disk: read whole, within the size a design can have, and checked.
#include "design_document.h"
#include "file_io.h"

#include <string>
#include <variant>

namespace mixora::ui {

// The document, or why it cannot be opened (Chinese, said after "无法打开设计文件“PATH”："). The
// stamp, when asked for, is the file's as it was read.
std::variant<document::DesignDocument, std::wstring> ReadDesignFile(const std::wstring& path,
                                                                    FileStamp* stamp);

// The kind of design a file holds, to make its window before opening it there; a file that
// cannot be read gives the cement-only sheet, whose window then says why.
document::DesignKind KindOfDesignFile(const std::wstring& path);

} // namespace mixora::ui
