#pragma once
// The JGJ 55-2011 design sheet: the design's inputs in lists, options and fields, and the
// result recomputed on every change. Each derived value shows where it comes from beside it
// (自动 with its clause, 给定 when the user typed it) or why it cannot be computed; the mix per
// m³, the checks and a status line follow.
#include "form.h"
#include "inputs.h"
#include "jgj55_layout.h"
#include "material_picks.h"
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
    // Wider than a small screen: its window is resizable and scrolls, the status line in view.
    std::optional<int> ScrollingStripTop() const override;
    int ArrowPartner(int id) const override;

    void OnControl(int id, UINT code, bool& changed) override;
    // While the trial dialog is up the sheet must stay: the dialog returns to it.
    bool Busy() const override { return trial_open_; }

    void Reset() override;
    void ClearResults() override;
    bool HasWork() const override;
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
    void ShowUnits();
    void FillLists();
    void FillMaxSizes(jgj55::CoarseKind kind, jgj55::MaxSize wanted);
    void ShowInputs(const jgj55::Inputs& inputs);
    // 特殊要求: shown, and read into `inputs` (a number that does not read kept as typed).
    void ShowRequirements(const jgj55::Inputs& inputs);
    void ReadRequirements(jgj55::Inputs& inputs) const;
    // The inputs as the controls hold them, a field that does not read kept as typed.
    jgj55::Inputs ReadInputs() const;
    void Recompute();
    // 试配与调整…: the trial dialog on a copy of the entries; 确定 keeps them.
    void OnTrial(bool& changed);
    // A record chosen in 原材料记录, and 采用新版本: its values filled in, the citation kept.
    void OnMaterial(lab::MaterialRole role, bool& changed);
    void OnTakeNewer(bool& changed);
    void Apply(const std::vector<std::pair<lab::MaterialRole, store::MaterialRecord>>& records);
    void ShowResult(const jgj55::Result& result, const std::string& problem);
    HWND Control(int id) const { return form_.Control(id); }
    std::wstring Text(int id) const { return form_.Text(id); }
    void Write(int id, const std::string& text);

    SheetHost& host_;
    Form form_{Jgj55Form()};
    std::map<int, bool> given_; // derived field → the user typed its value
    jgj55::Inputs inputs_;      // as the fields show them (Inputs::unread: as typed)
    jgj55::Result result_;
    trial::TrialEntries trial_entries_; // as the trial was recorded
    bool trial_open_ = false;           // the trial dialog is up
    MaterialPicks picks_{form_, host_};
};

} // namespace mixora::ui
