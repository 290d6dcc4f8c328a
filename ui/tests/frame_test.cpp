// The window around the sheet: a fault inside a command is said and survived, and a close that
// comes while a press is showing a notice waits for the press.
#include "callback_guard.h"
#include "design_window_fixture.h"
#include "menu_ids.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace mixora::ui::testing {
namespace {

// Message boxes that fail as a broken command would, or run a step while a box is open, as a
// modal box runs the queue.
class ScriptedBoxes final : public MessageBoxes {
  public:
    int Show(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) override {
        if (title == L"关于 Mixora") throw std::runtime_error("about box failed");
        if (while_open && text.find(L"260") != std::wstring_view::npos) while_open();
        return recorded.Show(owner, text, title, style);
    }
    RecordingBoxes recorded;
    std::function<void()> while_open;
};

class FrameTest : public DesignWindowTest {
  protected:
    static constexpr const wchar_t* kSettingsKey = L"Software\\MixoraTests\\Frame";
    void Configure(DesignWindowOptions& options) override {
        options.message_boxes = &scripted;
        options.file_dialogs = &dialogs;
        options.settings_key = kSettingsKey;
        base::SetInternalErrorReporter(
            [this](std::wstring_view message) { internal_errors.emplace_back(message); });
    }
    void TearDown() override {
        DesignWindowTest::TearDown();
        base::SetInternalErrorReporter(nullptr);
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    }
    struct SaveHere final : FileDialogs {
        std::optional<std::wstring> ChooseOpen(HWND) override { return std::nullopt; }
        std::optional<std::wstring> ChooseSave(HWND, const std::wstring&, const FileType*, int,
                                               int*) override {
            return path;
        }
        std::wstring path;
    };
    ScriptedBoxes scripted;
    SaveHere dialogs;
    std::vector<std::wstring> internal_errors;
};

TEST_F(FrameTest, AnExceptionInACommandIsSaidOnceAndTheSheetGoesOn) {
    Type(Text1, L"35");
    SendMessageW(window->hwnd(), WM_COMMAND, menu_ids::kAbout, 0);
    Pump();
    ASSERT_EQ(internal_errors.size(), 1u);
    EXPECT_NE(internal_errors[0].find(L"内部错误："), std::wstring::npos);
    EXPECT_NE(internal_errors[0].find(L"about box failed"), std::wstring::npos);
    ASSERT_TRUE(IsWindow(window->hwnd()));
    EXPECT_EQ(Text(Text1), L"35");
    PressCalculate(); // the window still works
    EXPECT_EQ(Text(Text2), L"41.58");
}

TEST_F(FrameTest, ACloseDuringANoticeWaitsForThePressAndSavesTheWholeResult) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("mixora-frame-" + std::to_string(GetCurrentProcessId()) + ".mixora");
    dialogs.path = file.wstring();
    ASSERT_TRUE(window->SaveDesignAs());
    Type(Text26, L"80"); // the press raises the cement to its minimum, with a notice
    scripted.recorded.answers = {IDOK, IDYES}; // the notice, then 保存
    scripted.while_open = [this] {
        PostMessageW(window->hwnd(), WM_CLOSE, 0, 0);
        Pump();
        EXPECT_TRUE(IsWindow(window->hwnd())) << "closed while the press was running";
    };
    PressCalculate();
    Pump();
    EXPECT_FALSE(IsWindow(window->hwnd()));
    std::ifstream saved(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(saved), {}};
    saved.close();
    std::filesystem::remove(file);
    // The mix table of the finished press, not the one from before it.
    EXPECT_NE(bytes.find("\"Text11\": \"260\""), std::string::npos) << bytes;
}

TEST_F(FrameTest, ClearingTheResultsEmptiesWhatThePressWroteAndMarksTheSheetChanged) {
    dialogs.path = (std::filesystem::temp_directory_path() /
                    ("mixora-clear-" + std::to_string(GetCurrentProcessId()) + ".mixora"))
                       .wstring();
    PressCalculate();
    ASSERT_TRUE(window->SaveDesignAs());
    Type(Text1, L"35");
    SendMessageW(window->hwnd(), WM_COMMAND, menu_ids::kClearResults, 0);
    Pump();
    EXPECT_EQ(Text(Text2), L"");
    EXPECT_EQ(Text(Text11), L"水泥");
    EXPECT_EQ(Text(Text1), L"35");
    EXPECT_TRUE(window->IsModified());
    PressCalculate();
    EXPECT_EQ(Text(Text2), L"41.58");
    scripted.recorded.answers = {IDNO};
    window.reset();
    std::filesystem::remove(dialogs.path);
}

} // namespace
} // namespace mixora::ui::testing
