// The session's states as the file commands move it: open, edit, revert, a header given, save,
// a failed save (nothing recorded), new.
#include "design_session.h"
#include "report_document.h"

#include <gtest/gtest.h>

namespace mixora::session {
namespace {

using calc::Field;

document::DesignDocument WithText(document::DesignDocument document, Field field,
                                  const char* text) {
    document::DesignSnapshot snapshot = document.snapshot();
    snapshot.text(field) = text;
    document.set_snapshot(snapshot);
    return document;
}

constexpr std::wstring_view kProgram = L"Mixora";

TEST(DesignSession, WithoutAFileNothingDiffersAndTheTitleIsTheProgramsOwn) {
    DesignSession session;
    EXPECT_FALSE(session.IsModified(WithText({}, Field::Text1, "30")));
    EXPECT_EQ(session.Title(kProgram, true), L"Mixora");
    EXPECT_EQ(session.report_info("2026-12-07").date, "2026-12-07");
}

TEST(DesignSession, EditsAndTheHeaderMakeItDifferUntilSavedOrReverted) {
    DesignSession session;
    const document::DesignDocument opened = WithText({}, Field::Text1, "30");
    session.Opened(L"D:\\设计\\C30梁.mixora", opened);
    EXPECT_FALSE(session.IsModified(opened));
    EXPECT_EQ(session.Title(kProgram, false), L"Mixora - C30梁.mixora");

    const document::DesignDocument edited = WithText(opened, Field::Text1, "35");
    EXPECT_TRUE(session.IsModified(edited));
    EXPECT_EQ(session.Title(kProgram, true), L"Mixora - *C30梁.mixora");
    EXPECT_FALSE(session.IsModified(WithText(edited, Field::Text1, "30"))); // typed back

    report::ReportInfo info = session.report_info("2026-12-07");
    info.project = "一号楼";
    session.set_report_info(info);
    EXPECT_TRUE(session.IsModified(opened));

    // A save that failed records nothing: the sheet still differs. One that worked ties the
    // sheet to what was written, header included.
    const document::DesignDocument written = session.ToSave(edited);
    EXPECT_EQ(report::ReadStoredReportInfo(written).info, info);
    session.Saved(L"D:\\设计\\C35梁.mixora", written);
    EXPECT_FALSE(session.IsModified(written));
    EXPECT_EQ(session.report_info("2027-01-01"), info);
    EXPECT_EQ(session.Title(kProgram, false), L"Mixora - C35梁.mixora");

    session.Clear();
    EXPECT_FALSE(session.path());
    EXPECT_EQ(session.report_info("2027-01-01").project, "");
    EXPECT_EQ(session.stored(), document::DesignDocument{});
}

TEST(DesignSession, AnUnreadableStoredHeaderIsNamedAndTheDefaultsUsed) {
    document::DesignDocument document;
    document.set_extra({{"report", {{"trial_volume_litres", "many"}}}});
    DesignSession session;
    session.Opened(L"/tmp/a.mixora", document);
    EXPECT_FALSE(session.StoredReportInfoProblem().empty());
    EXPECT_EQ(session.report_info("2026-12-07").date, "2026-12-07");
    EXPECT_FALSE(session.IsModified(document));
}

TEST(FileNameOf, TakesTheLastPartOfEitherSeparator) {
    EXPECT_EQ(FileNameOf(L"D:\\设计\\C30梁.mixora"), L"C30梁.mixora");
    EXPECT_EQ(FileNameOf(L"/home/lab/a.mixora"), L"a.mixora");
    EXPECT_EQ(FileNameOf(L"a.mixora"), L"a.mixora");
}

} // namespace
} // namespace mixora::session
