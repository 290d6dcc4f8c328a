#pragma once
// The common file dialogs behind 打开, 另存为 and 导出, behind an interface so that tests can
// answer them without a modal dialog.
#include <windows.h>

#include <optional>
#include <string>

namespace mixora::ui {

// One choice of file type: its description and its pattern ("设计文件 (*.mixora)", "*.mixora").
struct FileType {
    const wchar_t* description;
    const wchar_t* pattern;
    const wchar_t* extension; // added to a typed name without one, e.g. L"mixora"
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen path, nothing when the user cancels.
    virtual std::optional<std::wstring> ChooseOpen(HWND owner) = 0;
    // `suggested` is the name the dialog starts with; `*type` is the index of the chosen type.
    virtual std::optional<std::wstring> ChooseSave(HWND owner, const std::wstring& suggested,
                                                   const FileType* types, int type_count,
                                                   int* type) = 0;
    // The save dialog of 导出, titled so; by default the plain save dialog.
    virtual std::optional<std::wstring> ChooseExport(HWND owner, const std::wstring& suggested,
                                                     const FileType* types, int type_count,
                                                     int* type) {
        return ChooseSave(owner, suggested, types, type_count, type);
    }
    // The open dialog of 恢复实验室数据, for a copy of the lab database; by default the plain
    // open dialog.
    virtual std::optional<std::wstring> ChooseLabCopy(HWND owner) { return ChooseOpen(owner); }
};

inline constexpr const wchar_t* kDesignExtension = L"mixora";
inline constexpr FileType kDesignFileType{L"Mixora 设计文件 (*.mixora)", L"*.mixora", L"mixora"};
inline constexpr FileType kLabCopyType{L"实验室数据 (*.sqlite)", L"*.sqlite", L"sqlite"};

// GetOpenFileNameW and GetSaveFileNameW.
class SystemFileDialogs final : public FileDialogs {
  public:
    std::optional<std::wstring> ChooseOpen(HWND owner) override;
    std::optional<std::wstring> ChooseSave(HWND owner, const std::wstring& suggested,
                                           const FileType* types, int type_count,
                                           int* type) override;
    std::optional<std::wstring> ChooseExport(HWND owner, const std::wstring& suggested,
                                             const FileType* types, int type_count,
                                             int* type) override;
    std::optional<std::wstring> ChooseLabCopy(HWND owner) override;

  private:
    std::optional<std::wstring> Open(HWND owner, const wchar_t* title, const FileType& type);
    std::optional<std::wstring> Save(HWND owner, const wchar_t* title,
                                     const std::wstring& suggested, const FileType* types,
                                     int type_count, int* type);
};

} // namespace mixora::ui
