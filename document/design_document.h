#pragma once
// A design as its file holds it: the sheet's snapshot, the "extra" object where other features
// keep their data, and everything this version does not know, as the file spelled it, so that a
// file written by a newer or extended program loses and changes nothing when it is opened and
// saved again.
#include "design_format.h"
#include "design_snapshot.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace mixora::document {

// A member of an object kept exactly as the file wrote it.
struct KeptMember {
    std::string key;        // the key itself, its escapes decoded
    std::string key_text;   // as written, quotes included
    std::string value_text; // as written: a number keeps its digits, an object its key order

    friend bool operator==(const KeptMember&, const KeptMember&) = default;
};

class DesignDocument {
  public:
    DesignDocument() = default;
    // Throws std::invalid_argument when both options of an exclusive pair are on: a sheet
    // never shows that, and the file could not be read back.
    explicit DesignDocument(DesignSnapshot snapshot);

    const DesignSnapshot& snapshot() const { return snapshot_; }
    void set_snapshot(DesignSnapshot snapshot); // throws as the constructor does

    // Which design the file holds. A cement design's state is its snapshot; another kind's is
    // its content, an object of that kind's own members ("design", "trial"), and its snapshot
    // stays empty and is not written.
    DesignKind kind() const { return kind_; }
    const nlohmann::json& content() const { return content_; }
    // Throws std::invalid_argument for a content that is not an object.
    void set_content(DesignKind kind, nlohmann::json content);

    // Always an object ("extra": {"report": {...}} …).
    const nlohmann::json& extra() const { return extra_; }
    // Throws std::invalid_argument for anything but an object.
    void set_extra(nlohmann::json extra);

    // Members the reader did not know, in the file's order, written back after the known ones:
    // at the top level, and inside "fields" and "options".
    const std::vector<KeptMember>& unknown_keys() const { return unknown_keys_; }
    const std::vector<KeptMember>& unknown_fields() const { return unknown_fields_; }
    const std::vector<KeptMember>& unknown_options() const { return unknown_options_; }

    // "extra" as the file it was read from held it: its members as written, in order, and its
    // value then. A member whose value has not changed since is written back as it was.
    const std::vector<KeptMember>& extra_as_written() const { return extra_as_written_; }
    const nlohmann::json& extra_as_read() const { return extra_as_read_; }

    // The same design: the same snapshot, extra and unknown members. How "extra" was spelled
    // in a file does not count.
    friend bool operator==(const DesignDocument& a, const DesignDocument& b) {
        return a.kind_ == b.kind_ && a.snapshot_ == b.snapshot_ && a.content_ == b.content_ &&
               a.extra_ == b.extra_ && a.unknown_keys_ == b.unknown_keys_ &&
               a.unknown_fields_ == b.unknown_fields_ && a.unknown_options_ == b.unknown_options_;
    }

  private:
    friend class DesignReader;

    DesignKind kind_ = DesignKind::Cement;
    DesignSnapshot snapshot_;
    nlohmann::json content_ = nlohmann::json::object();
    nlohmann::json extra_ = nlohmann::json::object();
    std::vector<KeptMember> unknown_keys_;
    std::vector<KeptMember> unknown_fields_;
    std::vector<KeptMember> unknown_options_;
    std::vector<KeptMember> extra_as_written_;
    nlohmann::json extra_as_read_ = nlohmann::json::object();
};

// Whether both options of an exclusive pair are on: the first of that pair, if so.
std::optional<calc::Toggle> BothOfAPairOn(const DesignSnapshot& snapshot);

} // namespace mixora::document
