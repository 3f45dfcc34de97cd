#include "form1.hpp"

#include <commdlg.h>
#include <imm.h>
#include <shellapi.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <exception>
#include <vector>

#include "Func_/cp932.hpp"
#include "Func_/error_report.hpp"
#include "UnitIni/form_lists.hpp"
#include "UnitIni/settings_file.hpp"
#include "builder/create_drawing.hpp"
#include "message_box.hpp"
#include "platform/files.hpp"
#include "resource.h"
#include "win_text.hpp"

namespace drafnova {
namespace {

// The fields whose length is counted in CP932 bytes: Edit1, Edit2, Edit3.
struct TLimitedEdit {
    int id;
    std::size_t bytes;
};
constexpr TLimitedEdit kLimitedEdits[] = {{IDC_EDIT1, 255}, {IDC_EDIT2, 255}, {IDC_EDIT3, 510}};

// The lists (choice only) and the state field each one holds.
struct TListControl {
    int id;
    int TFormState::*field;
};
constexpr TListControl kLists[] = {
    {IDC_COMBOBOX1, &TFormState::ComboBox1},   {IDC_COMBOBOX2, &TFormState::ComboBox2},
    {IDC_COMBOBOX3, &TFormState::ComboBox3},   {IDC_COMBOBOX4, &TFormState::ComboBox4},
    {IDC_COMBOBOX5, &TFormState::ComboBox5},   {IDC_COMBOBOX6, &TFormState::ComboBox6},
    {IDC_COMBOBOX7, &TFormState::ComboBox7},   {IDC_COMBOBOX8, &TFormState::ComboBox8},
    {IDC_COMBOBOX9, &TFormState::ComboBox9},   {IDC_COMBOBOX10, &TFormState::ComboBox10},
    {IDC_COMBOBOX11, &TFormState::ComboBox11}, {IDC_COMBOBOX12, &TFormState::ComboBox12},
};

// The text fields and the state field each one holds.
struct TTextControl {
    int id;
    std::string TFormState::*field;
};
constexpr TTextControl kTexts[] = {
    {IDC_EDIT1, &TFormState::Edit1}, {IDC_EDIT2, &TFormState::Edit2},
    {IDC_EDIT3, &TFormState::Edit3}, {IDC_EDIT4, &TFormState::Edit4},
    {IDC_EDIT5, &TFormState::Edit5}, {IDC_EDIT6, &TFormState::Edit6},
};

constexpr int kRadioGroup2[] = {IDC_RADIOGROUP2_0, IDC_RADIOGROUP2_1, IDC_RADIOGROUP2_2};
constexpr int kRadioGroup1[] = {IDC_RADIOGROUP1_0, IDC_RADIOGROUP1_1};

// Long enough for any path the file dialog returns.
constexpr DWORD kPathBuffer = 32768;

template <std::size_t N>
void FillList(HWND combo, const std::array<std::string, N>& items) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        const std::wstring text = Wide(item);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

int CheckedRadio(HWND window, const int* ids, int count) {
    for (int i = 0; i < count; ++i) {
        if (IsDlgButtonChecked(window, ids[i]) == BST_CHECKED) return i;
    }
    return -1;
}

// The folder part of a path, with its trailing separator; empty for a bare name.
std::wstring FolderPart(const std::wstring& path) {
    const auto cut = path.find_last_of(L"\\/:");
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

std::wstring NamePart(const std::wstring& path) {
    const auto cut = path.find_last_of(L"\\/:");
    return cut == std::wstring::npos ? path : path.substr(cut + 1);
}

// OPENFILENAMEW for the shared file dialog, with its filter and options.
OPENFILENAMEW FileDialog(HWND owner, std::vector<wchar_t>& file, const std::wstring& folder,
                         const std::wstring& title) {
    static constexpr wchar_t kFilter[] = L"Jw_cad(*.jww)\0*.jww\0All Files(*.*)\0*.*\0";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.Flags =
        OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    return dialog;
}

// A file buffer for the dialog that starts with name.
std::vector<wchar_t> FileBuffer(const std::wstring& name) {
    std::vector<wchar_t> file(kPathBuffer, L'\0');
    std::copy_n(name.begin(), std::min<std::size_t>(name.size(), kPathBuffer - 1), file.begin());
    return file;
}

// A movable global block holding bytes, for the printer-setup dialog.
HGLOBAL GlobalCopy(const void* data, std::size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (block == nullptr) return nullptr;
    if (void* target = GlobalLock(block)) {
        std::memcpy(target, data, size);
        GlobalUnlock(block);
        return block;
    }
    GlobalFree(block);
    return nullptr;
}

// A DEVNAMES block naming device (driver "winspool", no port).
HGLOBAL DeviceNames(const std::wstring& device) {
    const std::wstring driver = L"winspool";
    const std::size_t header = (sizeof(DEVNAMES) + sizeof(wchar_t) - 1) / sizeof(wchar_t);
    std::vector<wchar_t> block(header + driver.size() + 1 + device.size() + 1 + 1, L'\0');
    auto* names = reinterpret_cast<DEVNAMES*>(block.data());
    names->wDriverOffset = static_cast<WORD>(header);
    names->wDeviceOffset = static_cast<WORD>(header + driver.size() + 1);
    names->wOutputOffset = static_cast<WORD>(header + driver.size() + 1 + device.size() + 1);
    names->wDefault = 0;
    std::copy(driver.begin(), driver.end(), block.begin() + names->wDriverOffset);
    std::copy(device.begin(), device.end(), block.begin() + names->wDeviceOffset);
    return GlobalCopy(block.data(), block.size() * sizeof(wchar_t));
}

}  // namespace

TForm1::TForm1(HINSTANCE instance) : instance_(instance), drawing_(std::make_unique<TDrawing>()) {}

TForm1::~TForm1() {
    if (font_ != nullptr) DeleteObject(font_);
}

int TForm1::Run() {
    const INT_PTR result = DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_FORM1), nullptr,
                                           DialogProc, reinterpret_cast<LPARAM>(this));
    return result < 0 ? 1 : 0;
}

INT_PTR CALLBACK TForm1::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TForm1* form = nullptr;
    if (message == WM_INITDIALOG) {
        form = reinterpret_cast<TForm1*>(lParam);
        form->window_ = window;
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    } else {
        form = reinterpret_cast<TForm1*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    return form == nullptr ? FALSE : form->HandleMessage(message, wParam, lParam);
}

INT_PTR TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    // No exception may leave the window procedure: every handler's error is
    // reported here and ends only that handler.
    try {
        switch (message) {
            case WM_INITDIALOG:
                FormShow();
                return TRUE;  // the focus goes to the first field
            case WM_COMMAND:
                HandleCommand(LOWORD(wParam), HIWORD(wParam));
                return TRUE;
            case WM_CLOSE:
                FormClose();
                EndDialog(window_, 0);
                return TRUE;
            case WM_ENDSESSION:
                // Windows is shutting down and ends the program without a
                // close: the settings are saved all the same.
                if (wParam) FormClose();
                return TRUE;
            default:
                return FALSE;
        }
    } catch (const std::exception& error) {
        ShowError(error.what());
    } catch (...) {
        ShowError("Unknown error");
    }
    return TRUE;
}

void TForm1::HandleCommand(int id, int code) {
    if (code == EN_CHANGE) {
        EditChanged(id);
        return;
    }
    if (code != BN_CLICKED) return;
    // Enter and Escape (IDOK, IDCANCEL) do nothing: the window has neither a
    // default nor a cancel button.
    switch (id) {
        case IDC_BUTTON1:
            Button1Click();
            break;
        case IDC_BUTTON2:
            Button2Click();
            break;
        case IDC_BUTTON3:
            Button3Click();
            break;
        case IDC_BUTTON4:
            Button4Click();
            break;
        case IDC_BUTTON5:
            Button5Click();
            break;
        default:
            break;
    }
}

void TForm1::FormShow() {
    ApplyFont();
    FillLists();
    SwitchImeOff();
    for (const TLimitedEdit& edit : kLimitedEdits) {
        // A character is at least one byte: a first bound; EditChanged counts bytes.
        SendMessageW(Item(edit.id), EM_SETLIMITTEXT, edit.bytes, 0);
    }
    LoadSettings(state_, *drawing_, platform::ProgramFolder());
    StateToControls();
    PlaceWindow();
}

void TForm1::FormClose() {
    try {
        ControlsToState();
        SaveSettings(state_, *drawing_);
    } catch (const std::exception&) {
        // Settings that cannot be saved do not keep the window open.
    }
}

void TForm1::ApplyFont() {
    // The dialog manager makes the template's font with the default
    // character set; the window's font is the same face in Shift-JIS.
    const auto templateFont = reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
    LOGFONTW face{};
    if (templateFont == nullptr || GetObjectW(templateFont, sizeof(face), &face) == 0) return;
    face.lfCharSet = SHIFTJIS_CHARSET;
    HFONT font = CreateFontIndirectW(&face);
    if (font == nullptr) return;
    if (font_ != nullptr) DeleteObject(font_);
    font_ = font;
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    EnumChildWindows(
        window_,
        [](HWND child, LPARAM font) -> BOOL {
            SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(font_));
}

void TForm1::FillLists() {
    FillList(Item(IDC_COMBOBOX1), VersionList());
    FillList(Item(IDC_COMBOBOX2), PaperList());
    FillList(Item(IDC_COMBOBOX3), GroupList());
    for (int group = 0; group < static_cast<int>(kGroupCount); ++group) {
        FillList(Item(IDC_COMBOBOXD0 + group), ScaleList());
    }
    FillList(Item(IDC_COMBOBOX4), GridOriginList());
    for (const int id : {IDC_COMBOBOX5, IDC_COMBOBOX9}) FillList(Item(id), LineColorList());
    for (const int id : {IDC_COMBOBOX6, IDC_COMBOBOX10}) FillList(Item(id), LineTypeList());
    for (const int id : {IDC_COMBOBOX7, IDC_COMBOBOX8, IDC_COMBOBOX11, IDC_COMBOBOX12}) {
        FillList(Item(id), GroupList());
    }
}

void TForm1::SwitchImeOff() {
    std::vector<int> ids = {IDC_COMBOBOX1, IDC_COMBOBOX2,  IDC_COMBOBOX3,  IDC_EDIT4,
                            IDC_COMBOBOX5, IDC_COMBOBOX6,  IDC_COMBOBOX7,  IDC_COMBOBOX8,
                            IDC_COMBOBOX9, IDC_COMBOBOX10, IDC_COMBOBOX11, IDC_COMBOBOX12};
    for (int group = 0; group < static_cast<int>(kGroupCount); ++group) {
        ids.push_back(IDC_COMBOBOXD0 + group);
    }
    for (const int id : ids) {
        const HWND control = Item(id);
        ImmAssociateContext(control, nullptr);
        // An editable list types into a field of its own.
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        if (GetComboBoxInfo(control, &info) && info.hwndItem != nullptr &&
            info.hwndItem != control) {
            ImmAssociateContext(info.hwndItem, nullptr);
        }
    }
}

void TForm1::StateToControls() {
    for (const TTextControl& text : kTexts) SetEditText(text.id, Wide(state_.*text.field));
    for (const TListControl& list : kLists) {
        SendMessageW(Item(list.id), CB_SETCURSEL, static_cast<WPARAM>(state_.*list.field), 0);
    }
    for (int group = 0; group < static_cast<int>(kGroupCount); ++group) {
        const std::wstring scale = Wide(state_.ComboBoxD[static_cast<std::size_t>(group)]);
        SetWindowTextW(Item(IDC_COMBOBOXD0 + group), scale.c_str());
    }
    CheckRadioButton(window_, kRadioGroup2[0], kRadioGroup2[2],
                     kRadioGroup2[std::clamp(state_.RadioGroup2, 0, 2)]);
    CheckRadioButton(window_, kRadioGroup1[0], kRadioGroup1[1],
                     kRadioGroup1[std::clamp(state_.RadioGroup1, 0, 1)]);
    CheckDlgButton(window_, IDC_CHECKBOX1, state_.CheckBox1 ? BST_CHECKED : BST_UNCHECKED);
}

void TForm1::ControlsToState() {
    for (const TTextControl& text : kTexts) {
        state_.*text.field = Narrow(WindowText(Item(text.id)));
    }
    for (const TListControl& list : kLists) {
        const auto index = SendMessageW(Item(list.id), CB_GETCURSEL, 0, 0);
        if (index != CB_ERR) state_.*list.field = static_cast<int>(index);
    }
    for (int group = 0; group < static_cast<int>(kGroupCount); ++group) {
        state_.ComboBoxD[static_cast<std::size_t>(group)] =
            Narrow(WindowText(Item(IDC_COMBOBOXD0 + group)));
    }
    if (const int index = CheckedRadio(window_, kRadioGroup2, 3); index >= 0) {
        state_.RadioGroup2 = index;
    }
    if (const int index = CheckedRadio(window_, kRadioGroup1, 2); index >= 0) {
        state_.RadioGroup1 = index;
    }
    state_.CheckBox1 = IsDlgButtonChecked(window_, IDC_CHECKBOX1) == BST_CHECKED;

    // The window's frame as it stands; a minimised window keeps the place it
    // will come back to.
    RECT frame{};
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (IsIconic(window_) && GetWindowPlacement(window_, &placement)) {
        frame = placement.rcNormalPosition;  // relative to the work area
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        if (GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &info)) {
            OffsetRect(&frame, info.rcWork.left - info.rcMonitor.left,
                       info.rcWork.top - info.rcMonitor.top);
        }
    } else if (!GetWindowRect(window_, &frame)) {
        return;
    }
    state_.Left = frame.left;
    state_.Top = frame.top;
}

void TForm1::PlaceWindow() {
    RECT frame{};
    GetWindowRect(window_, &frame);
    const long long width = frame.right - frame.left;
    const long long height = frame.bottom - frame.top;
    long long left = state_.Left;
    long long top = state_.Top;
    // The stored place, held within the coordinates a rectangle can carry.
    const auto clampLong = [](long long value) {
        return static_cast<LONG>(std::clamp<long long>(value, LONG_MIN, LONG_MAX));
    };
    const RECT wanted{clampLong(left), clampLong(top), clampLong(left + width),
                      clampLong(top + height)};
    if (MonitorFromRect(&wanted, MONITOR_DEFAULTTONULL) == nullptr) {
        // Wholly off every screen: onto the work area of the nearest one.
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        if (GetMonitorInfoW(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &info)) {
            const RECT& work = info.rcWork;
            left = std::clamp<long long>(left, work.left,
                                         std::max<long long>(work.left, work.right - width));
            top = std::clamp<long long>(top, work.top,
                                        std::max<long long>(work.top, work.bottom - height));
        }
    }
    SetWindowPos(window_, nullptr, clampLong(left), clampLong(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::SetEditText(int id, const std::wstring& text) {
    // Texts set by the window itself (loaded settings, a chosen folder) stand
    // as they are; only typing is held to the length.
    settingText_ = true;
    SetWindowTextW(Item(id), text.c_str());
    settingText_ = false;
    for (std::size_t slot = 0; slot < std::size(kLimitedEdits); ++slot) {
        if (kLimitedEdits[slot].id == id) acceptedText_[slot] = text;
    }
}

void TForm1::EditChanged(int id) {
    if (settingText_) return;
    for (std::size_t slot = 0; slot < std::size(kLimitedEdits); ++slot) {
        if (kLimitedEdits[slot].id != id) continue;
        const HWND edit = Item(id);
        const std::wstring text = WindowText(edit);
        if (Narrow(text).size() <= kLimitedEdits[slot].bytes) {
            acceptedText_[slot] = text;
            return;
        }
        // Too long in bytes: the typing or pasting is undone, the caret stays
        // where the new text began.
        DWORD caret = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
        const std::wstring& accepted = acceptedText_[slot];
        const std::size_t added = text.size() > accepted.size() ? text.size() - accepted.size() : 0;
        const std::size_t place =
            std::min<std::size_t>(caret > added ? caret - added : 0, accepted.size());
        settingText_ = true;
        SetWindowTextW(edit, accepted.c_str());
        settingText_ = false;
        SendMessageW(edit, EM_SETSEL, place, place);
        MessageBeep(MB_OK);
        return;
    }
}

void TForm1::Button1Click() {
    std::vector<wchar_t> file = FileBuffer(L"\u3000");  // a full-width blank as the name
    const std::wstring folder = WindowText(Item(IDC_EDIT2));
    const std::wstring title = WideLiteral(u8"作成先フォルダを開いた状態で［開く］を行って下さい");
    OPENFILENAMEW dialog = FileDialog(window_, file, folder, title);
    if (!GetOpenFileNameW(&dialog)) return;
    const std::wstring chosen = FolderPart(file.data());
    if (!chosen.empty()) SetEditText(IDC_EDIT2, chosen);
}

void TForm1::Button2Click() {
    const std::wstring source = WindowText(Item(IDC_EDIT3));
    std::vector<wchar_t> file = FileBuffer(NamePart(source));
    const std::wstring folder = FolderPart(source);
    const std::wstring title = WideLiteral(u8"設定を流用する図面ファイルを指定して下さい");
    OPENFILENAMEW dialog = FileDialog(window_, file, folder, title);
    if (!GetOpenFileNameW(&dialog)) return;
    SetEditText(IDC_EDIT3, file.data());
}

void TForm1::Button3Click() {
    // Without any printer there is nothing to set up: the same error as the
    // printer-sized paper gives (the system's dialog would only say so in
    // its own words, or not at all).
    if (!printer_.HasChoice()) DefaultPrinterName();
    // Two tries: a printer chosen earlier that has since gone is forgotten,
    // and the dialog opens again on the default printer.
    for (int attempt = 0; attempt < 2; ++attempt) {
        PRINTDLGW dialog{};
        dialog.lStructSize = sizeof(dialog);
        dialog.hwndOwner = window_;
        dialog.Flags = PD_PRINTSETUP | PD_NOWARNING;
        if (printer_.HasChoice()) {
            dialog.hDevNames = DeviceNames(printer_.ChosenDevice());
            if (const DEVMODEW* mode = printer_.ChosenMode()) {
                dialog.hDevMode = GlobalCopy(mode, std::size_t{mode->dmSize} + mode->dmDriverExtra);
            }
        }
        const BOOL chosen = PrintDlgW(&dialog);
        const DWORD failure = chosen ? 0 : CommDlgExtendedError();
        if (chosen && dialog.hDevNames != nullptr) {
            const auto* names = static_cast<const DEVNAMES*>(GlobalLock(dialog.hDevNames));
            const auto* mode = dialog.hDevMode != nullptr
                                   ? static_cast<const DEVMODEW*>(GlobalLock(dialog.hDevMode))
                                   : nullptr;
            if (names != nullptr) {
                const std::wstring device(reinterpret_cast<const wchar_t*>(names) +
                                          names->wDeviceOffset);
                printer_.Choose(device, mode);
            }
            if (mode != nullptr) GlobalUnlock(dialog.hDevMode);
            if (names != nullptr) GlobalUnlock(dialog.hDevNames);
        }
        if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
        if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);

        if (failure == PDERR_PRINTERNOTFOUND && printer_.HasChoice()) {
            printer_.ForgetChoice();
            continue;
        }
        if (failure == PDERR_NODEFAULTPRN || failure == PDERR_NODEVICES) {
            ShowError(Sj(u8"デフォルト プリンタが存在しません"));
        } else if (failure != 0) {
            ShowError(Sj(u8"選択したプリンタは有効ではありません"));
        }
        return;
    }
}

void TForm1::Button4Click() {
    ControlsToState();
    const TCreateSettings settings = GatherCreateSettings(state_);
    CreateNewDrawing(*drawing_, settings, *this, printer_);
}

void TForm1::Button5Click() { SendMessageW(window_, WM_CLOSE, 0, 0); }

void TForm1::Beep() { MessageBeep(0xFFFF); }

void TForm1::FocusField(TSettingField field) {
    const int id = field == TSettingField::Folder ? IDC_EDIT2 : IDC_EDIT1;
    SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

void TForm1::Inform(const std::string& text) { Notify(window_, Wide(text)); }

bool TForm1::Confirm(const std::string& text) { return AskYesNo(window_, Wide(text)); }

void TForm1::OpenDocument(const std::string& path) {
    try {
        const std::wstring file = Wide(path);
        ShellExecuteW(window_, L"open", file.c_str(), L"", L"", SW_SHOW);
    } catch (...) {
        // Whether anything opens the drawing is not the command's concern.
    }
}

void TForm1::ShowError(const std::string& message) {
    ReportError(window_, Wide(ErrorReportText(message)));
}

}  // namespace drafnova
