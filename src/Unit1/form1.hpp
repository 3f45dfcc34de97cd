#pragma once
// TForm1, the main window: a dialog whose controls hold every setting of the
// new drawing. The window is a thin layer: it copies its controls to and from
// a TFormState, and the state's routines (settings file, gathering of the
// create settings) and the create command do the work.

#include <windows.h>

#include <memory>
#include <string>

#include "UnitIni/form_state.hpp"
#include "UnitPrint/win32/win_printer.hpp"
#include "builder/settings.hpp"
#include "jwtype/drawing.hpp"

namespace drafnova {

class TForm1 final : public TBuilderHost {
public:
    explicit TForm1(HINSTANCE instance);
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Shows the window and runs its message loop until it is closed.
    int Run();

    // What the create command asks of the window.
    void Beep() override;
    void FocusField(TSettingField field) override;
    void Inform(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void OpenDocument(const std::string& path) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void HandleCommand(int id, int code);

    void FormShow();
    void FormClose();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();

    // Controls <-> state.
    void ApplyFont();
    void FillLists();
    void SwitchImeOff();
    void StateToControls();
    void ControlsToState();
    void PlaceWindow();

    // Keeps a text field within its length in CP932 bytes.
    void EditChanged(int id);
    void SetEditText(int id, const std::wstring& text);

    // The general error report; the window stays usable.
    void ShowError(const std::string& message);

    HWND Item(int id) const { return GetDlgItem(window_, id); }

    HINSTANCE instance_;
    HWND window_ = nullptr;
    TFormState state_;
    std::unique_ptr<TDrawing> drawing_;
    TWinPrinter printer_;
    // The last text of Edit1, Edit2 and Edit3 that kept within its length.
    std::wstring acceptedText_[3];
    bool settingText_ = false;
    HFONT font_ = nullptr;  // the window's font, owned
};

}  // namespace drafnova
