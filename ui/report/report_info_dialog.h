#pragma once
// 文件 → 报告信息: the dialog for the report's header (project, client, environment class,
// structure type, trial volume, who signs, remarks), the mix number and what the batch ticket
// prints beside it (placing method, issue time, receiver, the materials' makers and batches).
#include "message_boxes.h"
#include "report_info.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace mixora::ui {

// Control IDs of the dialog, for tests that fill it in as a user would.
namespace report_info_ids {
inline constexpr int kProject = 101;
inline constexpr int kClient = 102;
inline constexpr int kLocation = 103;
inline constexpr int kReportNumber = 104;
inline constexpr int kDate = 105;
inline constexpr int kEnvironment = 106;
inline constexpr int kStructure = 107;
inline constexpr int kTrialVolume = 108;
inline constexpr int kTestedBy = 109;
inline constexpr int kReviewedBy = 110;
inline constexpr int kApprovedBy = 111;
inline constexpr int kRemarks = 112;
inline constexpr int kTrialMinimum = 113;   // the least trial volumes, beside the trial volume
inline constexpr int kMixNumber = 8011;     // 配合比编号
inline constexpr int kPlacingMethod = 8012; // 浇筑方式
inline constexpr int kIssuedAt = 8013;      // 签发时间
inline constexpr int kReceivedBy = 8014;    // 接收
inline constexpr int kMaterialsGroup = 8020;
// Material n (水泥, 粉煤灰, 矿粉, 砂, 石, 外加剂, 硅灰: report::MaterialSlot's order): its maker
// and its batch; 硅灰's, added later, 8035 and 8036.
inline constexpr int MakerOf(int n) {
    return n < 6 ? 8021 + 2 * n : 8035;
}
inline constexpr int BatchOf(int n) {
    return n < 6 ? 8022 + 2 * n : 8036;
}
inline constexpr int kAdmixtureType = 8033;
inline constexpr int kAdmixtureSolid = 8034; // 固含量 %
} // namespace report_info_ids

inline constexpr const wchar_t* kReportInfoTitle = L"报告信息";

// Shows the modal dialog over `owner`, skinned when `skinned` is set. True when the user chose
// 确定: `info` then holds what the dialog shows. A trial volume that is not a positive number is
// named in a message box (through `boxes`) and the dialog stays open.
bool EditReportInfo(HWND owner, report::ReportInfo& info, MessageBoxes& boxes, bool skinned);

// A typed trial volume in litres; nothing when it is not a positive number.
std::optional<double> ReadTrialVolume(std::wstring_view text);

// Today's date as the header shows it by default: "2026-12-07".
std::string TodayText();

} // namespace mixora::ui
