#pragma once
// The register of designs (配合比台账). A registered design gets a number by the lab's scheme
// (prefix-year-sequence, PB-2026-0001: unique and without gaps in a year, whoever registers at
// the same time) and goes through the states of design_states.h. An approved design never
// changes: a change is a revision (B, C …), a new row beside the old. Each row keeps the design
// file's document exactly as registered, so a design exported and registered again is the
// same. Every change is a transaction and checks the row version it was read at.
#include "design_states.h"
#include "lab_time.h"
#include "sql_engine.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mixora::store {

// A version of a material record that a design cites.
struct MaterialCitation {
    std::int64_t record = 0;
    std::int64_t version = 0;
    friend bool operator==(const MaterialCitation&, const MaterialCitation&) = default;
};

// What the register keeps of a design: its file and what the list shows and filters by (read
// from the document by the layer that knows the design's kinds).
struct DesignEntry {
    std::string document; // the design file, exactly
    std::string kind;     // the file's kind: "jgj55-2011", or "cement" for the cement-only sheet
    std::string grade;    // "C35"
    std::string project;  // 工程名称
    std::vector<MaterialCitation> materials; // records not in this database are not linked
    std::vector<std::string> requirements;   // special requirements: "泵送", "抗渗 P8" …
};

struct RegisteredDesign {
    std::int64_t id = 0;  // this revision's row
    std::string number;   // "PB-2026-0001"
    std::string revision; // "A", "B" …
    bool latest = true;   // the newest revision of its number
    DesignState state = DesignState::Draft;
    std::string kind, grade, project;
    Stamp registered; // this revision's
    Stamp changed;    // its last change of any kind
    std::optional<Stamp> reviewed, approved, withdrawn;
    std::int64_t row_version = 1;
};

struct RegisterFilter {
    std::string grade; // "C35"; empty: any
    std::optional<DesignState> state;
    std::string registered_from; // dates "YYYY-MM-DD", inclusive; empty: open
    std::string registered_to;
    std::optional<std::int64_t> material_record; // citing any version of it
    std::string requirement;                     // one of its special requirements
    std::string search;                          // part of the number or of the project
    bool every_revision = false;                 // else only each number's latest
};

// The numbering prefix of a lab that has not set one.
inline constexpr std::string_view kDefaultNumberPrefix = "PB";

class DesignRegister {
  public:
    explicit DesignRegister(Connection& connection, Clock clock = NowText)
        : connection_(connection), clock_(std::move(clock)) {}

    // The prefix of the lab's numbers; set once, before the first number is given (letters
    // and digits, at most 8).
    std::string NumberPrefix();
    void SetNumberPrefix(const std::string& prefix);

    // A new design: the next number of this year, revision A, 草稿.
    RegisteredDesign Register(const DesignEntry& entry, const std::string& who);
    // Replaces the design of a 草稿 or 已审核 revision read at `row_version`; an 已审核 one is a
    // 草稿 again.
    RegisteredDesign Edit(std::int64_t id, std::int64_t row_version, const DesignEntry& entry,
                          const std::string& who);
    // The next revision of the number, as a 草稿, from the latest revision (read at
    // `row_version`), which must be 已批准 or 已停用; it stays as it is.
    RegisteredDesign Revise(std::int64_t id, std::int64_t row_version, const DesignEntry& entry,
                            const std::string& who);
    // 审核, 批准, 停用. Approving a revision withdraws the number's revision approved before it.
    RegisteredDesign Take(DesignStep step, std::int64_t id, std::int64_t row_version,
                          const std::string& who);

    std::optional<RegisteredDesign> Find(std::int64_t id);
    std::optional<RegisteredDesign> Latest(std::string_view number);
    std::vector<RegisteredDesign> Revisions(std::string_view number); // A first
    // The design file of a revision, exactly as registered.
    std::string Document(std::int64_t id);
    // In order of number and revision.
    std::vector<RegisteredDesign> List(const RegisterFilter& filter);

  private:
    RegisteredDesign Current(std::int64_t id, std::int64_t row_version);
    // A new revision's row, its document and its links, as a 草稿.
    RegisteredDesign Insert(std::string number, std::string revision, const DesignEntry& entry,
                            const Stamp& made);
    void WriteLinks(std::int64_t id, const DesignEntry& entry);

    Connection& connection_;
    Clock clock_;
};

// "A" … "Z", then "AA", "AB" …: the revision letters by their index from 0.
std::string RevisionLetters(std::size_t index);

} // namespace mixora::store
