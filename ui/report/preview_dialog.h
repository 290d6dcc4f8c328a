#pragma once
// 文件 → 打印预览: the report's pages as they will print, in a resizable dialog with 打印,
// 上一页, 下一页, 放大, 缩小 and 关闭.
#include "report_page.h"

#include <windows.h>

#include <functional>

namespace mixora::ui {

inline constexpr const wchar_t* kPreviewTitle = L"打印预览";

// Control IDs of the preview, for tests and scripts.
namespace preview_ids {
inline constexpr int kPrint = 201;
inline constexpr int kPrevious = 202;
inline constexpr int kNext = 203;
inline constexpr int kZoomIn = 204;
inline constexpr int kZoomOut = 205;
inline constexpr int kPageLabel = 206;
inline constexpr int kZoomLabel = 207;
inline constexpr int kPages = 208;
} // namespace preview_ids

// Shows the modal preview over `owner`, skinned when `skinned` is set, until it is closed.
// 打印 calls `print` with the preview as owner; the preview closes when that returns true.
void ShowPrintPreview(HWND owner, const page::ReportPage& report, bool skinned,
                      const std::function<bool(HWND owner)>& print);

} // namespace mixora::ui
