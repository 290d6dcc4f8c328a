#include "file_io.h"

#include "handles.h"

namespace mixora::ui {

namespace {

FileError LastError(const std::wstring& path) {
    const DWORD code = GetLastError();
    return {path, code, SystemErrorText(code)};
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

// A new, empty temporary file beside the target: "<name>.~<n>.tmp".
std::variant<std::wstring, FileError> CreateTemporaryBeside(const std::wstring& path,
                                                            base::unique_hfile& file) {
    for (DWORD attempt = 0; attempt < 100; ++attempt) {
        const std::wstring temporary =
            path + L".~" + std::to_wstring(GetCurrentProcessId() + attempt) + L".tmp";
        file = base::OwnFile(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return temporary;
        if (GetLastError() != ERROR_FILE_EXISTS) return LastError(FolderOf(path));
    }
    return FileError{FolderOf(path), ERROR_FILE_EXISTS, SystemErrorText(ERROR_FILE_EXISTS)};
}

} // namespace

std::wstring FileError::Describe() const {
    return L"“" + path + L"”：" + reason;
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

std::variant<std::string, FileError> ReadWholeFile(const std::wstring& path, size_t limit) {
    base::unique_hfile file =
        base::OwnFile(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastError(path);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return LastError(path);
    if (size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > limit)
        return FileError{path, 0, L"文件过大（超过 " + std::to_wstring(limit / 1024) + L" KiB）"};
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

std::optional<FileError> WriteFileReplacing(const std::wstring& path, std::string_view bytes) {
    base::unique_hfile file;
    auto created = CreateTemporaryBeside(path, file);
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
    if (!MoveFileExW(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail(LastError(path));
    return std::nullopt;
}

} // namespace mixora::ui
