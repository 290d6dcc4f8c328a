#pragma once
// What the file tests share: dialogs that answer with set paths, and a file's bytes read and
// written whole.
#include "file_dialogs.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace mixora::ui::testing {

// 打开 answers open_path, 保存/另存为/导出 save_path (the first type); nothing: 取消.
class AnsweringDialogs final : public FileDialogs {
  public:
    std::optional<std::wstring> ChooseOpen(HWND) override { return open_path; }
    std::optional<std::wstring> ChooseSave(HWND, const std::wstring&, const FileType*, int,
                                           int* type) override {
        if (type) *type = 0;
        return save_path;
    }
    std::optional<std::wstring> open_path, save_path;
};

inline std::string ReadBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

inline void WriteBytes(const std::wstring& path, std::string_view bytes) {
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    file << bytes;
}

} // namespace mixora::ui::testing
