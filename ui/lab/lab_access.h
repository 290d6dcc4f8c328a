#pragma once
// The lab's database as the windows reach it: opened when a command first needs it (never at
// start-up), once for every window of the process, by one function that the settings decide
// (a database file, or a shared database's connection); and who is working. Every failure is
// said in a message box naming what failed; none is swallowed. A shared database's server that
// went away is said once (the session's notice): until the user reconnects, a command is refused
// at once with a short line, on the window's status line when it has one, and what the windows
// show stays.
#include "lab_database.h"
#include "lab_session.h"
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
    // nullptr, the user told why, when it cannot be opened or its server was lost (the short
    // line on `line`, a window's status line, when given).
    store::LabDatabase* Database(HWND owner, HWND line = nullptr);
    // The same, for a command that changes it: nullptr, the reason said, when it is read-only.
    store::LabDatabase* Writable(HWND owner, const wchar_t* what, HWND line = nullptr);
    // Who takes a step: a shared database's login, else the name set on this computer, asked
    // for once when none is set and kept in the settings; none when the user gives none.
    std::optional<std::string> Person(HWND owner, bool skinned);

    // Says a command's failure through the session's notice: a lost server once, in a box naming
    // it and how to reconnect; afterwards on `line` when given, else in a short box.
    void Failed(HWND owner, const store::StoreError& error, HWND line = nullptr) const;
    // The notice's text alone, for a dialog that says it itself.
    std::string Told(const store::StoreError& error) const;
    // Whether the server was lost and the user has not reconnected: nothing is asked of it.
    bool Lost() const;
    // When lost, says the short line (on `line`, else in a box) and is true: the command is not
    // tried.
    bool RefusedWhileLost(HWND owner, HWND line = nullptr) const;

    // Says a failure of the database (StoreError::Message) over `owner`.
    void Say(HWND owner, const std::string& message, UINT style = MB_OK | MB_ICONWARNING) const;
    int Ask(HWND owner, const std::wstring& question, UINT style) const;
    MessageBoxes& boxes() const { return boxes_; }
    const std::wstring& settings_key() const { return settings_key_; }

    // Closes the process's lab database (the tests, before they remove its file).
    static void CloseShared();

  private:
    // Said on `line` when given, else in a box over `owner`.
    void SayNotice(HWND owner, const lab::LabNotice& notice, HWND line) const;

    std::wstring settings_key_;
    MessageBoxes& boxes_;
};

inline constexpr const wchar_t* kLabTitle = L"实验室数据";

} // namespace mixora::ui
