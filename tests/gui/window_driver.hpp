#pragma once
// Drives the real window program from another process, as a user would: the
// program is copied into a folder of the test's own (it keeps its settings
// file beside itself), started, found by its process and class, read through
// messages and clicked with posted messages. Every wait polls a condition
// every 10 ms up to a time limit.

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace drafnova::testing {

inline constexpr int kWaitMs = 15000;

// Polls condition every 10 ms until it holds or timeoutMs pass.
inline bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = kWaitMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// The text of a window of another process (WM_GETTEXT, which the system
// carries across processes).
std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
// The items of a list and its selection (-1 when none).
std::vector<std::wstring> ItemsOf(HWND combo);
int SelectionOf(HWND combo);
bool IsChecked(HWND button);

// A message box or dialog of the program, other than its main window.
struct TBox {
    HWND window = nullptr;
    std::wstring Caption() const { return TextOf(window); }
    // The message of a message box (its static 0xFFFF).
    std::wstring Message() const { return TextOf(GetDlgItem(window, 0xFFFF)); }
    HWND Button(int id) const { return GetDlgItem(window, id); }
    // Clicks a button by posting BM_CLICK: a sent click would wait on
    // whatever modal box the click opens.
    void Click(int id) const { PostMessageW(Button(id), BM_CLICK, 0, 0); }
};

class TApp {
public:
    // Copies the program into folder and starts it there; the current folder
    // of the process is another one, so that only the program's own folder
    // can hold its settings.
    explicit TApp(const std::filesystem::path& folder);
    ~TApp();
    TApp(const TApp&) = delete;
    TApp& operator=(const TApp&) = delete;

    HWND Main() const { return main_; }
    HWND Item(int id) const { return GetDlgItem(main_, id); }
    DWORD ProcessId() const { return process_.dwProcessId; }

    // The top-level dialogs of the program besides the main window.
    std::vector<HWND> Boxes() const;
    // Waits for a box (optionally with the given caption); a null window when
    // none came.
    TBox WaitBox(const std::wstring& caption = {}) const;
    bool NoBoxOpen() const { return Boxes().empty(); }

    // The control with the input focus.
    HWND Focus() const;
    // Waits until every message sent so far has been handled.
    void Sync() const;
    // Sets a field's text as typing it would (the field is told of the change).
    void SetText(int id, const std::wstring& text) const;
    // Chooses a list entry and tells the window, as a click on it would.
    void Select(int id, int index) const;
    void Click(int id) const { PostMessageW(Item(id), BM_CLICK, 0, 0); }

    // Closes the window through its close box and waits for the program to
    // end; returns its exit code.
    DWORD Close();
    bool HasEnded() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }

private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

// A picture of the window as the screen shows it, saved as a 24-bit BMP.
bool SaveWindowPicture(HWND window, const std::filesystem::path& file);

// True when a display is there to show windows (under Wine: an X display).
bool HasDisplay();

}  // namespace drafnova::testing
