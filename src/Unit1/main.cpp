// Drafnova.exe: the window program.

#include <windows.h>

#include <commctrl.h>

#include <exception>

#include "form1.hpp"
#include "message_box.hpp"
#include "win_text.hpp"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
    try {
        drafnova::TForm1 form(instance);
        return form.Run();
    } catch (const std::exception& error) {
        drafnova::ReportError(nullptr, drafnova::Wide(error.what()));
    }
    return 1;
}
