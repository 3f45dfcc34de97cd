#pragma once
// Modal message boxes of the window. The system's box names its buttons in
// the language of the system; the window's boxes name them in Japanese
// whatever the system's language, by renaming them as the box opens.

#include <windows.h>

#include <string>

namespace drafnova {

// The question box "確認" with the buttons "はい(&Y)" and "いいえ(&N)": true
// only when "はい(&Y)" is chosen.
bool AskYesNo(HWND owner, const std::wstring& text);

// The notice box "確認" with the question-mark icon and the single button OK.
void Notify(HWND owner, const std::wstring& text);

// The general error report: caption "Drafnova", error icon, button OK.
void ReportError(HWND owner, const std::wstring& text);

}  // namespace drafnova
