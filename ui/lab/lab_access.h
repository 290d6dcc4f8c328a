#pragma once
// The lab's database as the windows reach it: opened when a command first needs it (never at
// start-up), once for every window of the process, by one function that the settings decide
// (a database file, or a shared database's connection); and who is working. Every failure is
// said in a message box naming what failed; none is swallowed.
#include "lab_database.h"
#include "message_boxes.h"

#include <windows.h>

#include <optional>
#include <string>

namespace mixora::ui {

class LabAccess {
  public:
    LabAccess(const std::wstring& settings_key, MessageBoxes& boxes)
        : settings_key_(settings_key), boxes_(boxes) {}

    // The open lab database, opened now when it is not yet (its read-only reason said once);
    // nullptr, the user told why, when it cannot be opened.
    store::LabDatabase* Database(HWND owner);
    // The same, for a command that changes it: nullptr, the reason said, when it is read-only.
    store::LabDatabase* Writable(HWND owner, const wchar_t* what);
    // Who takes a step: a shared database's login, else the name set on this computer, asked
    // for once when none is set and kept in the settings; none when the user gives none.
    std::optional<std::string> Person(HWND owner, bool skinned);

    // Says a failure of the database (StoreError::Message) over `owner`.
    void Say(HWND owner, const std::string& message, UINT style = MB_OK | MB_ICONWARNING) const;
    int Ask(HWND owner, const std::wstring& question, UINT style) const;
    MessageBoxes& boxes() const { return boxes_; }
    const std::wstring& settings_key() const { return settings_key_; }

    // Closes the process's lab database (the tests, before they remove its file).
    static void CloseShared();

  private:
    std::wstring settings_key_;
    MessageBoxes& boxes_;
};

inline constexpr const wchar_t* kLabTitle = L"实验室数据";

} // namespace mixora::ui
