#pragma once
// The JGJ 55-2011 sheet's 原材料记录: a list beside each material offering the library's
// records of its kind (filled when it drops down: the lab's database is opened only then), the
// citations the design keeps (extra.materials: each record's id, version and the values used),
// the notice of a cited record the library holds a newer version of, and the cost per m³.
#include "form.h"
#include "material_values.h"
#include "sheet_host.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace mixora::ui {

class MaterialPicks {
  public:
    MaterialPicks(Form& form, SheetHost& host) : form_(form), host_(host) {}

    // The role of one of its lists, or none for another control.
    static std::optional<lab::MaterialRole> RoleOf(int id);

    // The citations, as extra.materials keeps them (an array; empty when none).
    const nlohmann::json& materials() const { return materials_; }
    // A design's citations shown (from its copy, without the database); the library asked for
    // newer versions only when there are some.
    void Take(const nlohmann::json& materials);
    // A list about to drop down: the library's records of its kind, in use.
    void Fill(lab::MaterialRole role);
    // The record chosen in a list (read from the library), or none: "不引用" or a failure (said).
    // `cleared` is set when the citation was dropped.
    std::optional<store::MaterialRecord> Chosen(lab::MaterialRole role, bool& cleared);
    void Cite(lab::MaterialRole role, const store::MaterialRecord& record);
    // 采用新版本: the newer versions of the cited records, each with its role.
    std::vector<std::pair<lab::MaterialRole, store::MaterialRecord>> Newer();
    // The notice (newer versions, what a record could not give) and the cost of `result`.
    void ShowNotes(const std::vector<std::string>& notes);
    void ShowCost(const jgj55::Result& result);
    // The source a value given from the cement's record names, when `fce` is its value.
    std::string CementSource(std::optional<double> fce) const;

  private:
    void CheckNewer();
    void ShowCited(lab::MaterialRole role);

    Form& form_;
    SheetHost& host_;
    nlohmann::json materials_ = nlohmann::json::array();
    std::vector<std::string> newer_; // what the library holds newer, said in the notice
};

} // namespace mixora::ui
