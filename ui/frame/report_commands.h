#pragma once
// The report commands of a design window: 复制结果, 导出, 报告信息, 打印预览 and 打印, and the
// batch ticket's preview and export. Each reads the sheet as it shows now and builds the one
// report model that every output draws.
#include "file_commands.h"
#include "frame_state.h"
#include "report_info.h"
#include "report_page.h"

#include <windows.h>

#include <optional>
#include <string>

namespace mixora::ui {

// The pages the report commands act on: the design's report, or its batch ticket
// (配合比通知单) when the sheet has one.
enum class ReportKind { Design, BatchTicket };

class ReportCommands {
  public:
    // The title follows the report's header through `files`.
    ReportCommands(FrameState& frame, FileCommands& files) : frame_(frame), files_(files) {}

    // Runs a menu command that is this object's; false for any other.
    bool Run(int id);

    // 复制结果 puts the sheet on the clipboard as text and as an HTML table; 导出 writes the
    // report as CSV or HTML and offers to open it; 报告信息 edits the report's header (true when
    // the user chose 确定); 打印预览 shows the pages as they will print; 打印 prints them (true
    // when they were sent), from `owner`'s point of view.
    void CopyResult();
    bool Export(ReportKind kind);
    bool EditInfo();
    void PrintPreview(ReportKind kind);
    bool PrintFrom(HWND owner, ReportKind kind);

    // The report's header: as given in 报告信息 or read from the design file, otherwise the
    // defaults with today's date. Setting it makes the sheet differ from its file.
    report::ReportInfo info() const;
    void set_info(report::ReportInfo info);

    // The pages as every output of `kind` gets them: the sheet's, headed by the lab's identity
    // as this computer's settings keep it.
    page::ReportPage PageOf(ReportKind kind) const;
    // Why a report cannot be written to `path` (a device's name, the design file itself).
    std::optional<std::wstring> ExportTargetProblem(const std::wstring& path) const;

  private:
    FrameState& frame_;
    FileCommands& files_;
};

} // namespace mixora::ui
