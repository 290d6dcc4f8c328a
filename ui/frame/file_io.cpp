#include "file_io.h"

#include "handles.h"

#include <utility>

namespace mixora::ui {

namespace {

FileError LastError(const std::wstring& path) {
    const DWORD code = GetLastError();
    return {path, code, SystemErrorText(code)};
}

FileError ProgramError(const std::wstring& path, FileProblem problem, std::wstring reason) {
    return {path, 0, std::move(reason), problem};
}

FileError FolderError(const std::wstring& path) {
    return ProgramError(path, FileProblem::Folder, L"这是一个文件夹，不是文件。");
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<FileStamp> StampOfHandle(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file, &information)) return std::nullopt;
    const auto join = [](DWORD high, DWORD low) {
        return (static_cast<ULONGLONG>(high) << 32) | low;
    };
    return FileStamp{
        join(information.ftLastWriteTime.dwHighDateTime, information.ftLastWriteTime.dwLowDateTime),
        join(information.nFileSizeHigh, information.nFileSizeLow)};
}

// Opens what the path leads to, following symbolic links, without reading it; a folder too.
base::unique_hfile OpenToInspect(const std::wstring& path) {
    return base::OwnFile(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// The file a write through `path` must replace: the final target of a symbolic link (moving
// the new file onto the link would replace the link and leave its target stale); the path
// itself when it leads nowhere yet.
std::wstring ReplacedFileOf(const std::wstring& path) {
    const base::unique_hfile file = OpenToInspect(path);
    if (!file) return path;
    const DWORD flags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
    std::wstring final_path(GetFinalPathNameByHandleW(file.get(), nullptr, 0, flags), L'\0');
    if (final_path.empty()) return path;
    final_path.resize(GetFinalPathNameByHandleW(file.get(), final_path.data(),
                                                static_cast<DWORD>(final_path.size()), flags));
    // Kept with its "\\?\" prefix: the temporary file and the move take it, at any length.
    return final_path.empty() ? path : final_path;
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

// A new, empty temporary file beside the target: "<name>.~<n>.tmp".
// Errors name the folder of `shown`, the path the user gave.
std::variant<std::wstring, FileError> CreateTemporaryBeside(const std::wstring& path,
                                                            const std::wstring& shown,
                                                            base::unique_hfile& file) {
    for (DWORD attempt = 0; attempt < 100; ++attempt) {
        const std::wstring temporary =
            path + L".~" + std::to_wstring(GetCurrentProcessId() + attempt) + L".tmp";
        file = base::OwnFile(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return temporary;
        if (GetLastError() != ERROR_FILE_EXISTS) return LastError(FolderOf(shown));
    }
    return FileError{FolderOf(shown), ERROR_FILE_EXISTS, SystemErrorText(ERROR_FILE_EXISTS)};
}

} // namespace

std::wstring FileError::Describe() const {
    return L"“" + path + L"”：" + reason;
}

std::wstring FullPathOf(const std::wstring& path) {
    if (path.empty()) return path;
    std::wstring full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    if (full.empty()) return path;
    full.resize(
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
    return full.empty() ? path : full;
}

bool IsFullPath(const std::wstring& path) {
    const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
    if (path.size() >= 3 && path[1] == L':' && separator(path[2]))
        return (path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z');
    return path.size() >= 3 && separator(path[0]) && separator(path[1]);
}

bool SameFile(const std::wstring& a, const std::wstring& b) {
    const base::unique_hfile first = OpenToInspect(a);
    const base::unique_hfile second = OpenToInspect(b);
    if (!first || !second) return false;
    BY_HANDLE_FILE_INFORMATION one{}, other{};
    if (!GetFileInformationByHandle(first.get(), &one) ||
        !GetFileInformationByHandle(second.get(), &other))
        return false;
    return one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
           one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}

std::optional<FileStamp> StampOf(const std::wstring& path) {
    const base::unique_hfile file = OpenToInspect(path);
    if (!file) return std::nullopt;
    return StampOfHandle(file.get());
}

std::wstring SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.empty()) text = L"系统错误 " + std::to_wstring(code);
    return text;
}

std::variant<std::string, FileError> ReadWholeFile(const std::wstring& path, size_t limit,
                                                   FileStamp* stamp) {
    base::unique_hfile file =
        base::OwnFile(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        // The system says only "access denied" for a folder.
        if (IsFolder(path)) return FolderError(path);
        return LastError(path);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return LastError(path);
    if (size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > limit)
        return ProgramError(path, FileProblem::TooLarge,
                            L"文件过大（超过 " + std::to_wstring(limit / 1024) + L" KiB）");
    if (stamp) *stamp = StampOfHandle(file.get()).value_or(FileStamp{});
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                      &read, nullptr))
            return LastError(path);
        if (read == 0) break;
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

std::optional<FileError> WriteFileReplacing(const std::wstring& path, std::string_view bytes,
                                            FileStamp* stamp) {
    const std::wstring target = ReplacedFileOf(path);
    if (const DWORD attributes = GetFileAttributesW(target.c_str());
        attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FolderError(path);
        // Checked here: replacing by a move can succeed over a read-only file (under Wine as
        // root, for one), and its owner marked it so that it is not changed.
        if (attributes & FILE_ATTRIBUTE_READONLY)
            return ProgramError(path, FileProblem::ReadOnly, L"这是只读文件，不能替换。");
    }
    base::unique_hfile file;
    auto created = CreateTemporaryBeside(target, path, file);
    if (auto* error = std::get_if<FileError>(&created)) return *error;
    const std::wstring temporary = std::get<std::wstring>(created);
    const auto fail = [&](FileError error) {
        file.reset();
        DeleteFileW(temporary.c_str());
        return error;
    };

    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                       &written, nullptr) ||
            written == 0)
            return fail(LastError(path));
        done += written;
    }
    if (!FlushFileBuffers(file.get())) return fail(LastError(path));
    file.reset();
    if (!MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail(LastError(path));
    if (stamp) *stamp = StampOf(target).value_or(FileStamp{});
    return std::nullopt;
}

} // namespace mixora::ui
