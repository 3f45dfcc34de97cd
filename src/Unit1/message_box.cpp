#include "message_box.hpp"

#include <utility>
#include <vector>

#include "win_text.hpp"

namespace drafnova {
namespace {

using TButtonNames = std::vector<std::pair<int, std::wstring>>;

// The hook has no argument of its own: the names wait here, for this thread
// only, between the call to MessageBoxW and the opening of its box.
struct TPendingNames {
    HHOOK hook = nullptr;
    const TButtonNames* names = nullptr;
};
thread_local TPendingNames pending;

LRESULT CALLBACK RenameButtons(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = pending.hook;
    if (code == HCBT_ACTIVATE && pending.names != nullptr) {
        const auto box = reinterpret_cast<HWND>(wParam);
        for (const auto& [id, name] : *pending.names) SetDlgItemTextW(box, id, name.c_str());
        // Only the box itself: anything it opens keeps its own names.
        pending.names = nullptr;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

int ShowBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type,
            const TButtonNames& names) {
    pending.names = &names;
    pending.hook = SetWindowsHookExW(WH_CBT, RenameButtons, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(owner, text.c_str(), caption.c_str(), type);
    if (pending.hook != nullptr) UnhookWindowsHookEx(pending.hook);
    pending = {};
    return answer;
}

}  // namespace

bool AskYesNo(HWND owner, const std::wstring& text) {
    const TButtonNames names = {{IDYES, WideLiteral(u8"はい(&Y)")},
                                {IDNO, WideLiteral(u8"いいえ(&N)")}};
    return ShowBox(owner, text, WideLiteral(u8"確認"), MB_YESNO | MB_ICONQUESTION, names) == IDYES;
}

void Notify(HWND owner, const std::wstring& text) {
    ShowBox(owner, text, WideLiteral(u8"確認"), MB_OK | MB_ICONQUESTION, {{IDOK, L"OK"}});
}

void ReportError(HWND owner, const std::wstring& text) {
    ShowBox(owner, text, L"Drafnova", MB_OK | MB_ICONERROR, {{IDOK, L"OK"}});
}

}  // namespace drafnova
