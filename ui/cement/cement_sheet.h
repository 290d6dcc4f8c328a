#pragma once
// The cement-only sheet (Form1's 33 fields): nine groups of fields, the method and aggregate
// options and the four buttons, laid out from its table, with the calculator behind "计算".
#include "calc_error.h"
#include "conversions.h"
#include "form.h"
#include "layout.h"
#include "program_titles.h"
#include "sheet_host.h"
#include "sheet_view.h"
#include "window_sheet.h"

namespace mixora::ui {

class CementSheet final : public SheetView {
  public:
    CementSheet(SheetHost& host, calc::NumberFormat number_format);

    bool Create(HWND window) override;
    document::DesignKind Kind() const override { return document::DesignKind::Cement; }
    std::wstring_view ProgramTitle() const override { return kWindowTitle; }
    Form& form() override { return form_; }
    const Form& form() const override { return form_; }
    int ArrowPartner(int id) const override;

    void OnControl(int id, UINT code, bool& changed) override;
    bool Busy() const override { return pressing_; }

    void Reset() override;
    void ClearResults() override;
    document::DesignDocument Put(document::DesignDocument base) const override;
    void Take(const document::DesignDocument& document) override;
    page::ReportPage Report(const report::ReportInfo& info) const override;
    CopiedResult CopyResult() const override;

    // The four buttons' actions, as a click on each runs them.
    void OnCalculate();
    void OnHelp();
    void OnReset();
    void OnExit();

  private:
    void ReportAbort(const calc::CalcError& error);

    SheetHost& host_;
    calc::NumberFormat number_format_;
    Form form_{CementForm()};
    WindowSheet sheet_; // the fields of form_
    bool pressing_ = false;
};

} // namespace mixora::ui
