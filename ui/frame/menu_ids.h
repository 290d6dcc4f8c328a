#pragma once
// Command identifiers of the menu bar. Like the control IDs they are part of the automation
// interface (README.md): WM_COMMAND with one of them runs that command.
#include "field_commands.h"

namespace mixora::ui::menu_ids {

inline constexpr int kNew = 5101;
inline constexpr int kOpen = 5102;
inline constexpr int kSave = 5103;
inline constexpr int kSaveAs = 5104;
inline constexpr int kExport = 5105;
inline constexpr int kReportInfo = 5106;
inline constexpr int kPrintPreview = 5107;
inline constexpr int kPrint = 5108;
inline constexpr int kExitProgram = 5109;
// A new JGJ 55-2011 design, in a window of its own.
inline constexpr int kNewJgj55 = 5110;
// In a JGJ 55-2011 window: a new cement-only sheet, in a window of its own.
inline constexpr int kNewCement = 5122;
// 实验室设置…: what the program keeps once per computer (the lab's identity …).
inline constexpr int kLabSettings = 5401;
// The batch ticket (配合比通知单) of a design with a trial procedure: its print preview, from
// which it prints, and its export.
inline constexpr int kBatchTicket = 5120;
inline constexpr int kExportBatchTicket = 5121;
// The lab's database: its settings (实验室设置 — 数据库), and connecting anew to the shared
// database after its server was away.
inline constexpr int kDatabaseSettings = 5430;
inline constexpr int kReconnectLab = 5431;
// The recent designs, most recent first.
inline constexpr int kRecentFirst = 5111;
inline constexpr int kRecentCount = 8;

// 撤销, 剪切, 复制, 粘贴, 全选: the commands every window and dialog runs on its focused field.
inline constexpr int kUndo = field_commands::kUndo;
inline constexpr int kCut = field_commands::kCut;
inline constexpr int kCopy = field_commands::kCopy;
inline constexpr int kPaste = field_commands::kPaste;
inline constexpr int kSelectAll = field_commands::kSelectAll;
inline constexpr int kCopyResult = 5206;
inline constexpr int kClearResults = 5207;

inline constexpr int kHelp = 5301;
inline constexpr int kAbout = 5302;
inline constexpr int kGuide = 5303;

inline constexpr bool IsRecent(int id) {
    return id >= kRecentFirst && id < kRecentFirst + kRecentCount;
}

} // namespace mixora::ui::menu_ids
