#include "file_io.h"

#include <utility>

namespace mixora::ui {

namespace {

// A file handle of ours; INVALID_HANDLE_VALUE is the empty one.
class unique_file {
  public:
    explicit unique_file(HANDLE file) noexcept : file_(file) {}
    unique_file(const unique_file&) = delete;
    unique_file& operator=(const unique_file&) = delete;
    ~unique_file() { reset(); }
    HANDLE get() const noexcept { return file_; }
    explicit operator bool() const noexcept { return file_ != INVALID_HANDLE_VALUE; }
    void reset(HANDLE file = INVALID_HANDLE_VALUE) noexcept {
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
        file_ = file;
    }

  private:
    HANDLE file_;
};

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
                                                            unique_file& file) {
    for (DWORD attempt = 0; attempt < 100; ++attempt) {
        const std::wstring temporary =
            path + L".~" + std::to_wstring(GetCurrentProcessId() + attempt) + L".tmp";
        HANDLE created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created != INVALID_HANDLE_VALUE) {
            file.reset(created);
            return temporary;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) return LastError(FolderOf(path));
    }
    return FileError{FolderOf(path), ERROR_FILE_EXISTS, SystemErrorText(ERROR_FILE_EXISTS)};
}

} // namespace

std::wstring FileNameOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

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
    unique_file file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
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
    unique_file file(INVALID_HANDLE_VALUE);
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
