#pragma once
// The JGJ 55-2011 design sheet: the design's inputs in lists, options and fields, and the
// result recomputed on every change. Each derived value shows where it comes from beside it
// (自动 with its clause, 给定 when the user typed it) or why it cannot be computed; the mix per
// m³, the checks and a status line follow.
#include "form.h"
#include "inputs.h"
#include "jgj55_layout.h"
#include "program_titles.h"
#include "result.h"
#include "sheet_host.h"
#include "sheet_view.h"
#include "trial_entries.h"

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace mixora::ui {

class Jgj55Sheet final : public SheetView {
  public:
    explicit Jgj55Sheet(SheetHost& host);

    bool Create(HWND window) override;
    document::DesignKind Kind() const override { return document::DesignKind::Jgj55; }
    std::wstring_view ProgramTitle() const override { return kJgj55WindowTitle; }
    Form& form() override { return form_; }
    const Form& form() const override { return form_; }
    int ArrowPartner(int id) const override;

    void OnControl(int id, UINT code, bool& changed) override;
    // While the trial dialog is up the sheet must stay: the dialog returns to it.
    bool Busy() const override { return trial_open_; }

    void Reset() override;
    document::DesignDocument Put(document::DesignDocument base) const override;
    void Take(const document::DesignDocument& document) override;
    page::ReportPage Report(const report::ReportInfo& info) const override;
    CopiedResult CopyResult() const override;
    bool HasBatchTicket() const override { return true; }
    page::ReportPage BatchTicket(const report::ReportInfo& info) const override;

    // What the laboratory recorded of the design's trial (试配与调整), as typed.
    const trial::TrialEntries& trial_entries() const { return trial_entries_; }
    void set_trial_entries(trial::TrialEntries entries) { trial_entries_ = std::move(entries); }

  private:
    void FillLists();
    void FillMaxSizes(jgj55::CoarseKind kind, jgj55::MaxSize wanted);
    void ShowInputs(const jgj55::Inputs& inputs);
    // 特殊要求: shown, and read into `req` (false, saying why, when a number cannot be read).
    void ShowRequirements(const jgj55::Requirements& req);
    bool ReadRequirements(jgj55::Requirements& req, std::string& problem) const;
    // The inputs as the controls hold them, or what is wrong with one of them.
    std::optional<jgj55::Inputs> ReadInputs(std::string& problem) const;
    void Recompute();
    // 试配与调整…: the trial dialog on a copy of the entries; 确定 keeps them.
    void OnTrial(bool& changed);
    void ShowResult(const jgj55::Result& result, const std::string& problem);
    HWND Control(int id) const { return form_.Control(id); }
    std::wstring Text(int id) const { return form_.Text(id); }
    void Write(int id, const std::string& text);

    SheetHost& host_;
    Form form_{Jgj55Form()};
    std::map<int, bool> given_; // derived field → the user typed its value
    jgj55::Inputs inputs_;      // the last inputs that could be read
    jgj55::Result result_;
    trial::TrialEntries trial_entries_; // as the trial was recorded
    bool trial_open_ = false;           // the trial dialog is up
};

} // namespace mixora::ui
