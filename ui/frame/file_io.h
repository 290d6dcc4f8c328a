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

// What kind of failure a FileError is, for messages that suggest what to do about it.
enum class FileProblem {
    System,   // the system refused: `code` and its text
    TooLarge, // larger than the reader's limit
    Folder,   // the path names a folder
    ReadOnly, // the file to be replaced has the read-only attribute
};

// What failed, on which file, and the system's reason.
struct FileError {
    std::wstring path;
    DWORD code = 0;      // GetLastError, 0 when the program itself refused
    std::wstring reason; // the system's text for the code, or the program's
    FileProblem problem = FileProblem::System;
    std::wstring Describe() const; // "“PATH”：REASON"
};

// When a file was last written and how long it is: a difference means someone wrote it.
struct FileStamp {
    ULONGLONG last_write = 0; // FILETIME ticks
    ULONGLONG size = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

using session::FileNameOf;

// The path made absolute against the current folder (GetFullPathNameW), so that it names the
// same file whatever the current folder is later; the path as given when it cannot be.
std::wstring FullPathOf(const std::wstring& path);

// "C:\…" or "\\server\share\…": a path that does not depend on the current folder or drive.
bool IsFullPath(const std::wstring& path);

// The system's text for an error code, without the trailing line break.
std::wstring SystemErrorText(DWORD code);

// Whether two paths lead to one file, whatever their spelling, links or case: both exist and
// are the same file of the same volume.
bool SameFile(const std::wstring& a, const std::wstring& b);

// The stamp of the file a path leads to (through a symbolic link); nothing when there is none.
std::optional<FileStamp> StampOf(const std::wstring& path);

// The whole file; an error when it cannot be read or is larger than `limit` bytes. `stamp`,
// when given, receives the stamp of what was read.
std::variant<std::string, FileError> ReadWholeFile(const std::wstring& path, size_t limit,
                                                   FileStamp* stamp = nullptr);

// Replaces the file the path leads to: through a symbolic link, its target. A folder or a file
// with the read-only attribute is refused. `stamp`, when given, receives the new file's stamp.
std::optional<FileError> WriteFileReplacing(const std::wstring& path, std::string_view bytes,
                                            FileStamp* stamp = nullptr);

} // namespace mixora::ui
