#include "design_file_messages.h"

namespace mixora::ui {

std::wstring SaveFailureMessage(const FileError& error) {
    std::wstring message = L"无法保存设计文件" + error.Describe();
    if (error.problem == FileProblem::ReadOnly) message += L"\n\n请用“另存为”保存到其他文件。";
    return message;
}

std::wstring ChangedOnDiskQuestion(const std::wstring& path, bool by_our_window) {
    const std::wstring other = by_our_window ? L"另一个窗口" : L"其他程序";
    return L"设计文件“" + path + L"”在打开或上次保存之后已被" + other +
           L"修改。\n\n"
           L"覆盖：替换它，" +
           other +
           L"的修改将丢失。\n"
           L"另存为：保存到其他文件，它保持原样。\n"
           L"取消：不保存。";
}

} // namespace mixora::ui
