// The window opened in this process, where what only the window's own
// process can see is visible: the input method state of each control, the
// font, the focus moves the create command asks for.

#include "form1.hpp"

#include <windows.h>

#include <imm.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "resource.h"

namespace drafnova {
namespace {

// Runs check on the open window from within its message loop, then closes
// it. A thread timer has no argument of its own, hence the one pending check.
std::function<void(HWND)>* pendingCheck = nullptr;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND window = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND candidate, LPARAM found) -> BOOL {
            wchar_t name[32] = {};
            GetClassNameW(candidate, name, 32);
            if (std::wstring(name) != L"#32770" || !IsWindowVisible(candidate)) return TRUE;
            *reinterpret_cast<HWND*>(found) = candidate;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&window));
    if (window == nullptr) return;  // not shown yet
    KillTimer(nullptr, timer);
    (*pendingCheck)(window);
    PostMessageW(window, WM_CLOSE, 0, 0);
}

void WithOpenWindow(TForm1& form, std::function<void(HWND)> check) {
    // The window keeps its settings beside the program: here, the tests'.
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const auto settings = std::filesystem::path(program).parent_path() / L"drafnova.ini";
    std::filesystem::remove(settings);
    bool checked = false;
    std::function<void(HWND)> run = [&](HWND window) {
        check(window);
        checked = true;
    };
    pendingCheck = &run;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, OnTimer);
    ASSERT_NE(timer, 0u);
    EXPECT_EQ(form.Run(), 0);
    KillTimer(nullptr, timer);
    pendingCheck = nullptr;
    EXPECT_TRUE(checked);
    EXPECT_TRUE(std::filesystem::exists(settings));  // written at close
    std::filesystem::remove(settings);
}

bool HasInputContext(HWND control) {
    const HIMC context = ImmGetContext(control);
    if (context != nullptr) ImmReleaseContext(control, context);
    return context != nullptr;
}

TEST(Form1, InputMethodIsOffWhereMarkedAndOnElsewhere) {
    TForm1 form(GetModuleHandleW(nullptr));
    WithOpenWindow(form, [](HWND window) {
        std::vector<int> off = {IDC_COMBOBOX1, IDC_COMBOBOX2,  IDC_COMBOBOX3,  IDC_EDIT4,
                                IDC_COMBOBOX5, IDC_COMBOBOX6,  IDC_COMBOBOX7,  IDC_COMBOBOX8,
                                IDC_COMBOBOX9, IDC_COMBOBOX10, IDC_COMBOBOX11, IDC_COMBOBOX12};
        for (int group = 0; group < 16; ++group) off.push_back(IDC_COMBOBOXD0 + group);
        for (const int id : off) {
            SCOPED_TRACE(id);
            const HWND control = GetDlgItem(window, id);
            EXPECT_FALSE(HasInputContext(control));
            COMBOBOXINFO info{};
            info.cbSize = sizeof(info);
            if (GetComboBoxInfo(control, &info) && info.hwndItem != nullptr) {
                EXPECT_FALSE(HasInputContext(info.hwndItem));  // the typing field
            }
        }
        // Japanese may be typed into the names, the folders, the list
        // ComboBox4 and the outline gaps.
        for (const int id : {IDC_EDIT1, IDC_EDIT2, IDC_EDIT3, IDC_EDIT5, IDC_EDIT6}) {
            EXPECT_TRUE(HasInputContext(GetDlgItem(window, id))) << id;
        }
    });
}

TEST(Form1, EveryControlUsesTheWindowFont) {
    TForm1 form(GetModuleHandleW(nullptr));
    WithOpenWindow(form, [](HWND window) {
        HDC screen = GetDC(nullptr);
        const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        for (const int id : {IDC_EDIT1, IDC_COMBOBOX2, IDC_BUTTON4, IDC_RADIOGROUP2_1,
                             IDC_CHECKBOX1, IDC_GROUPBOX2, IDC_COMBOBOXD0 + 15}) {
            SCOPED_TRACE(id);
            const auto font =
                reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(window, id), WM_GETFONT, 0, 0));
            LOGFONTW face{};
            ASSERT_NE(GetObjectW(font, sizeof(face), &face), 0);
            EXPECT_EQ(std::wstring(face.lfFaceName), L"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF");
            EXPECT_EQ(face.lfHeight, -MulDiv(10, pixelsPerInch, 72));  // 13 pixels at 96 dpi
            EXPECT_EQ(face.lfCharSet, SHIFTJIS_CHARSET);
        }
    });
}

TEST(Form1, FocusFieldMovesTheFocusToTheNameOrFolderField) {
    TForm1 form(GetModuleHandleW(nullptr));
    WithOpenWindow(form, [&](HWND window) {
        form.FocusField(TSettingField::Folder);
        EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_EDIT2));
        form.FocusField(TSettingField::FileName);
        EXPECT_EQ(GetFocus(), GetDlgItem(window, IDC_EDIT1));
    });
}

}  // namespace
}  // namespace drafnova
