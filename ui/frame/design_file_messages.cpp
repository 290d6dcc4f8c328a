#include "design_file_messages.h"

namespace mixora::ui {

std::wstring SaveFailureMessage(const FileError& error) {
    std::wstring message = L"无法保存设计文件" + error.Describe();
    if (error.problem == FileProblem::ReadOnly) message += L"\n\n请用“另存为”保存到其他文件。";
    return message;
}

std::wstring ChangedOnDiskQuestion(const std::wstring& path) {
    return L"设计文件“" + path +
           L"”在打开或上次保存之后已被其他程序修改。\n\n"
           L"覆盖：替换它，其他程序的修改将丢失。\n"
           L"另存为：保存到其他文件，它保持原样。\n"
           L"取消：不保存。";
}

} // namespace mixora::ui
