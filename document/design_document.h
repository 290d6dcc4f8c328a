#pragma once
// A design as its file holds it: the sheet's snapshot, the "extra" object where other features
// keep their data, and every key this version does not know, so that a file written by a newer
// or extended program loses nothing when it is opened and saved again.
#include "design_snapshot.h"

#include <nlohmann/json.hpp>

#include <optional>

namespace mixora::document {

class DesignDocument {
  public:
    DesignDocument() = default;
    // Throws std::invalid_argument when both options of an exclusive pair are on: a sheet
    // never shows that, and the file could not be read back.
    explicit DesignDocument(DesignSnapshot snapshot);

    const DesignSnapshot& snapshot() const { return snapshot_; }
    void set_snapshot(DesignSnapshot snapshot); // throws as the constructor does

    // Always an object ("extra": {"report": {...}} …).
    const nlohmann::json& extra() const { return extra_; }
    // Throws std::invalid_argument for anything but an object.
    void set_extra(nlohmann::json extra);

    // Keys the reader did not know, written back after the known ones: at the top level, and
    // inside "fields" and "options".
    const nlohmann::json& unknown_keys() const { return unknown_keys_; }
    const nlohmann::json& unknown_fields() const { return unknown_fields_; }
    const nlohmann::json& unknown_options() const { return unknown_options_; }

    friend bool operator==(const DesignDocument&, const DesignDocument&) = default;

  private:
    friend class DesignReader;

    DesignSnapshot snapshot_;
    nlohmann::json extra_ = nlohmann::json::object();
    nlohmann::json unknown_keys_ = nlohmann::json::object();
    nlohmann::json unknown_fields_ = nlohmann::json::object();
    nlohmann::json unknown_options_ = nlohmann::json::object();
};

// Whether both options of an exclusive pair are on: the first of that pair, if so.
std::optional<calc::Toggle> BothOfAPairOn(const DesignSnapshot& snapshot);

} // namespace mixora::document
