#include "window_driver.hpp"

#include <fstream>
#include <utility>

namespace drafnova::testing {
namespace {

// The program under test, as the build names it; a path of the build machine
// ("/…") is reached through Wine's drive Z:.
std::filesystem::path ProgramPath() {
    std::string path = DRAFNOVA_EXE;
    if (!path.empty() && path.front() == '/') {
        for (char& c : path) {
            if (c == '/') c = '\\';
        }
        path = "Z:" + path;
    }
    return std::filesystem::path(path);
}

std::vector<HWND> TopLevelDialogs(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search.processId && IsWindowVisible(window) &&
                ClassOf(window) == L"#32770") {
                search.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

std::wstring TextOf(HWND window) {
    if (window == nullptr) return {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK, kWaitMs, &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_BLOCK, kWaitMs, &copied);
    text.resize(copied);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::vector<std::wstring> ItemsOf(HWND combo) {
    std::vector<std::wstring> items;
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
        if (length < 0) break;
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        const auto copied =
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
        items.push_back(item);
    }
    return items;
}

int SelectionOf(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

TApp::TApp(const std::filesystem::path& folder) {
    const std::filesystem::path program = folder / L"Drafnova.exe";
    std::filesystem::copy_file(ProgramPath(), program,
                               std::filesystem::copy_options::overwrite_existing);
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    const std::wstring current = folder.parent_path().wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        current.c_str(), &startup, &process_)) {
        ADD_FAILURE() << "the program did not start, error " << GetLastError();
        return;
    }
    WaitForInputIdle(process_.hProcess, kWaitMs);
    WaitUntil([&] {
        for (HWND window : TopLevelDialogs(process_.dwProcessId)) {
            if (TextOf(window) == L"Drafnova Ver.1.04") main_ = window;
        }
        return main_ != nullptr || HasEnded();
    });
}

TApp::~TApp() {
    if (process_.hProcess == nullptr) return;
    if (!HasEnded()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, kWaitMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::vector<HWND> TApp::Boxes() const {
    std::vector<HWND> boxes;
    for (HWND window : TopLevelDialogs(process_.dwProcessId)) {
        if (window != main_) boxes.push_back(window);
    }
    return boxes;
}

TBox TApp::WaitBox(const std::wstring& caption) const {
    TBox box;
    WaitUntil([&] {
        for (HWND window : Boxes()) {
            if (caption.empty() || TextOf(window) == caption) {
                box.window = window;
                return true;
            }
        }
        return HasEnded();
    });
    return box;
}

HWND TApp::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

void TApp::Sync() const { SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_BLOCK, kWaitMs, nullptr); }

void TApp::SetText(int id, const std::wstring& text) const {
    SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TApp::Select(int id, int index) const { SendMessageW(Item(id), CB_SETCURSEL, index, 0); }

DWORD TApp::Close() {
    PostMessageW(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, kWaitMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

bool SaveWindowPicture(HWND window, const std::filesystem::path& file) {
    RECT frame{};
    if (!GetWindowRect(window, &frame)) return false;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int stride = (width * 3 + 3) & ~3;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;  // rows bottom-up, as BMP files keep them
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(stride * height);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    // The window is painted when two pictures in a row agree.
    std::vector<unsigned char> pixels(header.biSizeImage);
    std::vector<unsigned char> previous;
    WaitUntil(
        [&] {
            BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
            BITMAPINFO info{};
            info.bmiHeader = header;
            GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
                      DIB_RGB_COLORS);
            const bool same = pixels == previous;
            previous = pixels;
            return same;
        },
        3000);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&fileHeader), sizeof(fileHeader));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(pixels.data()),
              static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

bool HasDisplay() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const bool underWine = ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    if (!underWine) return true;
    wchar_t display[256] = {};
    return GetEnvironmentVariableW(L"DISPLAY", display, 256) > 0;
}

}  // namespace drafnova::testing
