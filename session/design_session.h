#pragma once
// What a design window knows of its document, without the window: the file the sheet is tied
// to, the document as that file was last read or written, the report header given since, and
// from those whether the sheet differs from its file and what the title says.
#include "design_document.h"
#include "report_info.h"

#include <optional>
#include <string>
#include <string_view>

namespace mixora::session {

class DesignSession {
  public:
    // The design file the sheet is tied to; none for a sheet never saved or opened.
    const std::optional<std::wstring>& path() const { return path_; }
    // The document as the file was last read or written (an empty one when there is no file).
    const document::DesignDocument& stored() const { return stored_; }

    // Whether the sheet, now holding `current` (the stored document with the sheet's state put
    // in), or the report header differs from the file. Never for a sheet without a file.
    bool IsModified(const document::DesignDocument& current) const;

    // The title for the program's own title: exactly it without a file; with one, " - " and the
    // file's name follow, with an asterisk before the name while the sheet differs from it.
    std::wstring Title(std::wstring_view program_title, bool modified) const;

    // The report header: as given since the file was read, else the file's, else the defaults
    // with `today` as the date.
    report::ReportInfo report_info(std::string_view today) const;
    void set_report_info(report::ReportInfo info) { report_info_ = std::move(info); }
    // Why the header stored in the file cannot be read (Chinese), or empty.
    std::string StoredReportInfoProblem() const;

    // The document to write for a sheet holding `current`: the header, when one was given, goes
    // with it.
    document::DesignDocument ToSave(document::DesignDocument current) const;

    // A file was read or written: the sheet is tied to it and holds what it holds.
    void Opened(std::wstring path, document::DesignDocument document);
    void Saved(std::wstring path, document::DesignDocument document);
    // A design taken from elsewhere (the lab's register): no file, its document kept whole.
    void Adopted(document::DesignDocument document);
    // 新建: no file, no header given.
    void Clear();

  private:
    std::optional<report::ReportInfo> StoredReportInfo() const;

    std::optional<std::wstring> path_;
    document::DesignDocument stored_;
    std::optional<report::ReportInfo> report_info_; // none: the file's (or the defaults)
};

// The last part of a path: "C30梁.mixora" of "D:\\设计\\C30梁.mixora".
std::wstring FileNameOf(std::wstring_view path);

} // namespace mixora::session
