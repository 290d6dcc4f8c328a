#pragma once
// Reading and writing whole files. A write goes to a temporary file in the target's folder,
// is flushed, and replaces the target in one step: on any failure the old file is as it was
// and the temporary file is gone.
#include "design_session.h"

#include <windows.h>

#include <optional>
#include <string>
#include <variant>

namespace mixora::ui {

// What failed, on which file, and the system's reason.
struct FileError {
    std::wstring path;
    DWORD code = 0;                // GetLastError, 0 when the program itself refused
    std::wstring reason;           // the system's text for the code, or the program's
    std::wstring Describe() const; // "“PATH”：REASON"
};

using session::FileNameOf;

// The system's text for an error code, without the trailing line break.
std::wstring SystemErrorText(DWORD code);

// The whole file; an error when it cannot be read or is larger than `limit` bytes.
std::variant<std::string, FileError> ReadWholeFile(const std::wstring& path, size_t limit);

std::optional<FileError> WriteFileReplacing(const std::wstring& path, std::string_view bytes);

} // namespace mixora::ui
