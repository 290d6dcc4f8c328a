#pragma once
// What both repositories write alike: a record's code, the conflict of a row changed
// elsewhere, and the conditions of a list's query with their parameters.
#include "lab_time.h"
#include "sql_engine.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::store {

// "C-0012": a letter and a number of at least four digits.
std::string RecordCode(char letter, std::int64_t number);

// The error of a save whose row was changed elsewhere since it was read: who changed it, when.
StoreError ChangedElsewhere(const std::string& what, const Stamp& changed);

// A LIKE pattern that finds `part` anywhere, its % and _ taken as themselves (ESCAPE '\').
std::string ContainsPattern(std::string_view part);

// The conditions of a WHERE clause, joined by AND, with their parameters in order.
class Conditions {
  public:
    void Add(std::string condition) { text_ += (text_.empty() ? "" : " AND ") + condition; }
    template <typename... Values> void Add(std::string condition, Values&&... values) {
        Add(std::move(condition));
        (params_.emplace_back(std::forward<Values>(values)), ...);
    }
    const std::string& text() const { return text_; }
    const std::vector<Param>& params() const { return params_; }

  private:
    std::string text_;
    std::vector<Param> params_;
};

} // namespace mixora::store
