// The window program driven from outside: its controls, tab order, settings
// file, create command, questions and error reports.

#include <windows.h>

#include <winspool.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "Func_/cp932.hpp"
#include "UnitPrint/win32/win_printer.hpp"
#include "builder/create_drawing.hpp"
#include "jwtype/drawing.hpp"
#include "resource.h"
#include "support/fake_printer.hpp"
#include "support/temp_folder.hpp"
#include "window_driver.hpp"

namespace drafnova::testing {
namespace {

// A Japanese literal as the window shows it.
std::wstring W(std::u8string_view utf8) {
    const std::u16string text = Cp932ToUtf16(Sj(utf8));
    return std::wstring(text.begin(), text.end());
}

std::wstring W(const std::string& cp932) {
    const std::u16string text = Cp932ToUtf16(cp932);
    return std::wstring(text.begin(), text.end());
}

std::filesystem::path Native(const TempFolder& folder) { return NativePath(folder.Path()); }

// The lines of the settings file (CP932), without their line ends.
std::vector<std::string> IniLines(const TempFolder& folder) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(folder / "drafnova.ini");
    std::vector<std::string> lines;
    std::string line;
    for (const std::uint8_t byte : bytes) {
        if (byte == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(byte);
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void WriteIni(const TempFolder& folder, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    WriteFileText(folder / "drafnova.ini", text);
}

// The texts of the static controls of the window.
std::vector<std::wstring> Labels(HWND window) {
    std::vector<std::wstring> labels;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            if (ClassOf(child) == L"Static") {
                reinterpret_cast<std::vector<std::wstring>*>(data)->push_back(TextOf(child));
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&labels));
    return labels;
}

RECT FrameOf(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return frame;
}

class RecordingHost final : public TBuilderHost {
public:
    int Calls = 0;
    void Beep() override { ++Calls; }
    void FocusField(TSettingField) override { ++Calls; }
    void Inform(const std::string&) override { ++Calls; }
    bool Confirm(const std::string&) override { return ++Calls, false; }
    void OpenDocument(const std::string&) override {}
};

#define SKIP_WITHOUT_DISPLAY() \
    if (!HasDisplay()) GTEST_SKIP() << "no display for the window"

const std::vector<std::wstring> kGroups = {L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7",
                                           L"8", L"9", L"A", L"B", L"C", L"D", L"E", L"F"};

TEST(Window, ShowsEveryControlWithItsCaptionListAndDefault) {
    SKIP_WITHOUT_DISPLAY();
    TempFolder folder;
    TApp app(Native(folder));
    ASSERT_NE(app.Main(), nullptr);
    const HWND main = app.Main();

    // Fixed, with a minimise box only.
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(main, GWL_STYLE));
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_SYSMENU);

    const std::vector<std::wstring> labels = Labels(main);
    for (const std::wstring& label :
         {W(u8"新規作成ファイル名："), std::wstring(L".JWW"), W(u8"JWWバージョン："),
          W(u8"作成先フォルダ："), W(u8"設定を流用するJWWファイル："), W(u8"用紙サイズ"),
          W(u8"書込レイヤグループ"), W(u8"レイヤグループ縮尺"), W(u8"目盛間隔"),
          std::wstring(L"mm"), W(u8"目盛基準"), W(u8"線色"), W(u8"線種"), W(u8"レイヤグループ"),
          W(u8"レイヤ"), W(u8"左右間隔"), W(u8"上下間隔"),
          W(u8"※左右上下間隔が0より大きい時輪郭線作図します")}) {
        EXPECT_NE(std::find(labels.begin(), labels.end(), label), labels.end())
            << "missing label "
            << Cp932ToUtf8(Utf16ToCp932(std::u16string(label.begin(), label.end())));
    }
    for (const std::wstring& group : kGroups) {
        const std::wstring heading = L"- " + group + L" -";
        EXPECT_NE(std::find(labels.begin(), labels.end(), heading), labels.end());
    }

    struct Caption {
        int id;
        std::wstring text;
    };
    const Caption captions[] = {
        {IDC_BUTTON1, W(u8"参照")},
        {IDC_BUTTON2, W(u8"参照")},
        {IDC_BUTTON3, W(u8"プリンタ設定")},
        {IDC_BUTTON4, W(u8"設定保存してJWW起動")},
        {IDC_BUTTON5, W(u8"終　　　了")},
        {IDC_RADIOGROUP2, W(u8"背景色")},
        {IDC_RADIOGROUP2_0, W(u8"白色")},
        {IDC_RADIOGROUP2_1, W(u8"黒色")},
        {IDC_RADIOGROUP2_2, W(u8"深緑")},
        {IDC_RADIOGROUP1, L""},
        {IDC_RADIOGROUP1_0, W(u8"図寸")},
        {IDC_RADIOGROUP1_1, W(u8"実寸")},
        {IDC_CHECKBOX1, W(u8"目盛表示")},
        {IDC_GROUPBOX1, W(u8"用紙枠")},
        {IDC_GROUPBOX2, W(u8"輪郭線")},
        // The fields' defaults.
        {IDC_EDIT1, W(u8"新規図面")},
        {IDC_EDIT2, W(folder.Path())},
        {IDC_EDIT3, L""},
        {IDC_EDIT4, L"5.0"},
        {IDC_EDIT5, L"0"},
        {IDC_EDIT6, L"0"},
    };
    for (const Caption& caption : captions) {
        EXPECT_EQ(TextOf(app.Item(caption.id)), caption.text) << "control " << caption.id;
    }
    EXPECT_TRUE(IsChecked(app.Item(IDC_RADIOGROUP2_0)));
    EXPECT_FALSE(IsChecked(app.Item(IDC_RADIOGROUP2_1)));
    EXPECT_TRUE(IsChecked(app.Item(IDC_RADIOGROUP1_0)));
    EXPECT_TRUE(IsChecked(app.Item(IDC_CHECKBOX1)));

    const std::vector<std::wstring> colors = {W(u8"線色１"), W(u8"線色２"), W(u8"線色３"),
                                              W(u8"線色４"), W(u8"線色５"), W(u8"線色６"),
                                              W(u8"線色７"), W(u8"線色８"), W(u8"補助色")};
    const std::vector<std::wstring> lineTypes = {W(u8"実線"),     W(u8"点線１"),   W(u8"点線２"),
                                                 W(u8"点線３"),   W(u8"一点鎖１"), W(u8"一点鎖２"),
                                                 W(u8"二点鎖１"), W(u8"二点鎖２"), W(u8"補助線種")};
    std::vector<std::wstring> papers;
    for (const char8_t* size : {u8"A0", u8"A1", u8"A2", u8"A3", u8"A4", u8"A5", u8"B0", u8"B1",
                                u8"B2", u8"B3", u8"B4", u8"B5", u8"B6"}) {
        papers.push_back(W(std::u8string(size) + u8"横"));
        papers.push_back(W(std::u8string(size) + u8"縦"));
    }
    papers.push_back(W(u8"プリンタ物理サイズ"));
    papers.push_back(W(u8"プリンタ印刷可能領域"));
    const std::vector<std::wstring> scales = {
        L"1/1",    L"1/1.5",  L"1/2",    L"1/2.5",  L"1/3",    L"1/4",    L"1/5",    L"1/6",
        L"1/10",   L"1/15",   L"1/20",   L"1/25",   L"1/30",   L"1/40",   L"1/50",   L"1/60",
        L"1/100",  L"1/150",  L"1/200",  L"1/250",  L"1/300",  L"1/400",  L"1/500",  L"1/600",
        L"1/1000", L"1/1500", L"1/2000", L"1/2500", L"1/3000", L"1/4000", L"1/5000", L"1/6000"};

    struct List {
        int id;
        const std::vector<std::wstring>* items;
        int selection;
    };
    const std::vector<std::wstring> versions = {L"2.20", L"2.23", L"2.25", L"2.30", L"3.00",
                                                L"3.51", L"4.20", L"6.00", L"7.00"};
    const std::vector<std::wstring> origins = {W(u8"画面中央"), W(u8"用紙左上"), W(u8"用紙右上"),
                                               W(u8"用紙左下"), W(u8"用紙右下")};
    const List lists[] = {
        {IDC_COMBOBOX1, &versions, 8}, {IDC_COMBOBOX2, &papers, 0},
        {IDC_COMBOBOX3, &kGroups, 0},  {IDC_COMBOBOX4, &origins, 0},
        {IDC_COMBOBOX5, &colors, 0},   {IDC_COMBOBOX6, &lineTypes, 0},
        {IDC_COMBOBOX7, &kGroups, 0},  {IDC_COMBOBOX8, &kGroups, 0},
        {IDC_COMBOBOX9, &colors, 0},   {IDC_COMBOBOX10, &lineTypes, 0},
        {IDC_COMBOBOX11, &kGroups, 0}, {IDC_COMBOBOX12, &kGroups, 0},
    };
    for (const List& list : lists) {
        SCOPED_TRACE(list.id);
        EXPECT_EQ(ItemsOf(app.Item(list.id)), *list.items);
        EXPECT_EQ(SelectionOf(app.Item(list.id)), list.selection);
        // A list offers choices only: it has no field to type into.
        EXPECT_EQ(GetWindowLongPtrW(app.Item(list.id), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    }
    for (int group = 0; group < 16; ++group) {
        const HWND combo = app.Item(IDC_COMBOBOXD0 + group);
        EXPECT_EQ(ItemsOf(combo), scales);
        EXPECT_EQ(TextOf(combo), L"1/1");
        EXPECT_EQ(GetWindowLongPtrW(combo, GWL_STYLE) & 3, CBS_DROPDOWN);  // may be typed
    }

    if (const char* shot = std::getenv("DRAFNOVA_SCREENSHOT"); shot != nullptr && *shot) {
        std::string path = shot;
        if (path.front() == '/') path = "Z:" + path;
        EXPECT_TRUE(SaveWindowPicture(main, std::filesystem::path(path)));
    }
    EXPECT_EQ(app.Close(), 0u);
}

TEST(Window, TabWalksTheControlsInOrder) {
    SKIP_WITHOUT_DISPLAY();
    TempFolder folder;
    TApp app(Native(folder));
    ASSERT_NE(app.Main(), nullptr);
    std::vector<int> expected = {IDC_EDIT1,   IDC_COMBOBOX1, IDC_EDIT2,   IDC_BUTTON1,  IDC_EDIT3,
                                 IDC_BUTTON2, IDC_COMBOBOX2, IDC_BUTTON3, IDC_COMBOBOX3};
    for (int group = 0; group < 16; ++group) expected.push_back(IDC_COMBOBOXD0 + group);
    for (const int id : {IDC_RADIOGROUP2_0, IDC_CHECKBOX1, IDC_EDIT4, IDC_RADIOGROUP1_0,
                         IDC_COMBOBOX4, IDC_COMBOBOX5, IDC_COMBOBOX6, IDC_COMBOBOX7, IDC_COMBOBOX8,
                         IDC_BUTTON4, IDC_BUTTON5, IDC_COMBOBOX9, IDC_COMBOBOX10, IDC_COMBOBOX11,
                         IDC_COMBOBOX12, IDC_EDIT5, IDC_EDIT6, IDC_EDIT1}) {
        expected.push_back(id);
    }
    // The first field has the focus when the window opens.
    ASSERT_TRUE(WaitUntil([&] { return app.Focus() == app.Item(IDC_EDIT1); }));
    std::vector<int> walked = {IDC_EDIT1};
    HWND control = app.Item(IDC_EDIT1);
    for (std::size_t i = 1; i < expected.size(); ++i) {
        control = GetNextDlgTabItem(app.Main(), control, FALSE);
        walked.push_back(GetDlgCtrlID(control));
    }
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(app.Close(), 0u);
}

TEST(Window, ClosingWithoutSettingsFileWritesAllKeys) {
    SKIP_WITHOUT_DISPLAY();
    TempFolder folder;
    {
        TApp app(Native(folder));
        ASSERT_NE(app.Main(), nullptr);
        ASSERT_FALSE(Exists(folder / "drafnova.ini"));
        ASSERT_EQ(app.Close(), 0u);
    }
    std::vector<std::string> expected = {"[Form]",
                                         "F1_X=192",
                                         "F1_Y=109",
                                         "[Sets]",
                                         "NEWF=" + Sj(u8"新規図面"),
                                         "NFLD=" + folder.Path(),
                                         "DIVF=",
                                         "JVER=8",
                                         "PAPE=0",
                                         "LAYG=0"};
    for (int group = 0; group < 16; ++group) {
        expected.push_back("LG_D" + std::to_string(group) + "=1/1");
    }
    for (const char* line : {"GRON=1", "GRDS=5", "GRPO=0", "GRSU=0", "BCOL=0"}) {
        expected.push_back(line);
    }
    for (int list = 1; list <= 8; ++list) expected.push_back("PAP" + std::to_string(list) + "=0");
    expected.push_back("RINX=0");
    expected.push_back("RINY=0");
    EXPECT_EQ(IniLines(folder), expected);  // 39 keys in two sections
}

TEST(Window, CloseButtonSavesTheControlsAsTheyStand) {
    SKIP_WITHOUT_DISPLAY();
    TempFolder folder;
    {
        TApp app(Native(folder));
        ASSERT_NE(app.Main(), nullptr);
        app.SetText(IDC_EDIT1, W(u8"図面\u3000２"));
        app.SetText(IDC_EDIT4, L"abc");  // stored corrected, as 5
        app.SetText(IDC_EDIT5, L"150");  // stored corrected, as 0
        app.SetText(IDC_EDIT6, L"2.50");
        app.SetText(IDC_COMBOBOXD0 + 3, L"1/333");
        app.Select(IDC_COMBOBOX2, 27);
        app.Select(IDC_COMBOBOX10, 8);
        SendMessageW(app.Item(IDC_CHECKBOX1), BM_SETCHECK, BST_UNCHECKED, 0);
        app.Click(IDC_BUTTON5);
        ASSERT_TRUE(WaitUntil([&] { return app.HasEnded(); }));
    }
    const std::vector<std::string> lines = IniLines(folder);
    for (const std::string& line :
         {"NEWF=" + Sj(u8"図面\u3000２"), std::string("GRDS=5"), std::string("RINX=0"),
          std::string("RINY=2.5"), std::string("LG_D3=1/333"), std::string("PAPE=27"),
          std::string("PAP6=8"), std::string("GRON=0")}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << Cp932ToUtf8(line);
    }
}

TEST(Window, SettingsFileIsLoadedIntoTheControls) {
    SKIP_WITHOUT_DISPLAY();
    TempFolder folder;
    const std::string source = folder / Sj(u8"元図面.jww");
    WriteIni(folder, {"[Form]",
                      "F1_X=150",
                      "F1_Y=90",
                      "[Sets]",
                      "NEWF=" + Sj(u8"テスト図面"),
                      "NFLD=" + folder.Path() + Sj(u8"表示\\"),
                      "DIVF=" + source,
                      "JVER=3",
                      "PAPE=9",
                      "LAYG=10",
                      "LG_D0=1/100",
                      "LG_D5=7/3",
                      "LG_D15=1/2.5",
                      "GRON=0",
                      "GRDS=2.50",
                      "GRPO=4",
                      "GRSU=1",
                      "BCOL=2",
                      "PAP1=8",
                      "PAP2=3",
                      "PAP3=15",
                      "PAP4=1",
                      "PAP5=2",
                      "PAP6=8",
                      "PAP7=4",
                      "PAP8=9",
                      "RINX=12.5",
                      "RINY=abc"});
    TApp app(Native(folder));
    ASSERT_NE(app.Main(), nullptr);

    EXPECT_EQ(TextOf(app.Item(IDC_EDIT1)), W(u8"テスト図面"));
    EXPECT_EQ(TextOf(app.Item(IDC_EDIT2)), W(folder.Path() + Sj(u8"表示\\")));
    EXPECT_EQ(TextOf(app.Item(IDC_EDIT3)), W(source));
    EXPECT_EQ(TextOf(app.Item(IDC_EDIT4)), L"2.5");
    EXPECT_EQ(TextOf(app.Item(IDC_EDIT5)), L"12.5");
    EXPECT_EQ(TextOf(app.Item(IDC_EDIT6)), L"0");
    const std::pair<int, int> selections[] = {
        {IDC_COMBOBOX1, 3}, {IDC_COMBOBOX2, 9},  {IDC_COMBOBOX3, 10}, {IDC_COMBOBOX4, 4},
        {IDC_COMBOBOX5, 8}, {IDC_COMBOBOX6, 3},  {IDC_COMBOBOX7, 15}, {IDC_COMBOBOX8, 1},
        {IDC_COMBOBOX9, 2}, {IDC_COMBOBOX10, 8}, {IDC_COMBOBOX11, 4}, {IDC_COMBOBOX12, 9}};
    for (const auto& [id, selection] : selections) {
        EXPECT_EQ(SelectionOf(app.Item(id)), selection) << "control " << id;
    }
    EXPECT_EQ(TextOf(app.Item(IDC_COMBOBOXD0)), L"1/100");
    EXPECT_EQ(TextOf(app.Item(IDC_COMBOBOXD0 + 5)), L"7/3");
    EXPECT_EQ(TextOf(app.Item(IDC_COMBOBOXD0 + 15)), L"1/2.5");
    EXPECT_EQ(TextOf(app.Item(IDC_COMBOBOXD0 + 1)), L"1/1");
    EXPECT_FALSE(IsChecked(app.Item(IDC_CHECKBOX1)));
    EXPECT_TRUE(IsChecked(app.Item(IDC_RADIOGROUP1_1)));
    EXPECT_FALSE(IsChecked(app.Item(IDC_RADIOGROUP1_0)));
    EXPECT_TRUE(IsChecked(app.Item(IDC_RADIOGROUP2_2)));
    const RECT frame = FrameOf(app.Main());
    EXPECT_EQ(frame.left, 150);
    EXPECT_EQ(frame.top, 90);
    EXPECT_EQ(app.Close(), 0u);
}

TEST(Window, PositionWhollyOffTheScreenIsMovedOntoItAndStoredAsItStands) {
    SKIP_WITHOUT_DISPLAY();
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    struct Case {
        const char* left;
        const char* top;
        bool moved;
    };
    const Case cases[] = {{"-5000", "-4000", true},
                          {"30000", "200", true},
                          {"2147483647", "2147483647", true},
                          {"-50", "700", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.left) + "," + c.top);
        TempFolder folder;
        WriteIni(folder, {"[Form]", std::string("F1_X=") + c.left, std::string("F1_Y=") + c.top});
        TApp app(Native(folder));
        ASSERT_NE(app.Main(), nullptr);
        const RECT frame = FrameOf(app.Main());
        if (c.moved) {
            EXPECT_GE(frame.left, screen.left);
            EXPECT_GE(frame.top, screen.top);
            EXPECT_LE(frame.right, screen.right);
            EXPECT_LE(frame.bottom, screen.bottom);
        } else {
            EXPECT_EQ(frame.left, std::atoi(c.left));
            EXPECT_EQ(frame.top, std::atoi(c.top));
        }
        ASSERT_EQ(app.Close(), 0u);
        const std::vector<std::string> lines = IniLines(folder);
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines[1], "F1_X=" + std::to_string(frame.left));
        EXPECT_EQ(lines[2], "F1_Y=" + std::to_string(frame.top));
    }
}

// The settings of the window's defaults with an A3 sheet and the given target.
TCreateSettings A3Settings(const std::string& folder, const std::string& name) {
    TCreateSettings settings;
    settings.FileName = name;
    settings.Folder = folder;
    settings.PaperIndex = 6;  // "A3横"
    settings.VersionIndex = 8;
    settings.GroupScale.fill("1/1");
    settings.GridPitch = "5.0";
    settings.OutlineGapX = "0";
    settings.OutlineGapY = "0";
    return settings;
}

std::vector<std::string> A3Ini(const TempFolder& folder) {
    return {"[Sets]", "NEWF=plan", "NFLD=" + folder.Path(), "PAPE=6"};
}

TEST(Window, CreateButtonWritesTheDrawingTheSettingsDescribe) {
    SKIP_WITHOUT_DISPLAY();
    TempFolder folder;
    WriteIni(folder, A3Ini(folder));
    TApp app(Native(folder));
    ASSERT_NE(app.Main(), nullptr);
    app.Click(IDC_BUTTON4);
    ASSERT_TRUE(WaitUntil([&] { return Exists(folder / "plan.JWW"); }));
    app.Sync();
    EXPECT_TRUE(app.NoBoxOpen());
    EXPECT_FALSE(Exists(folder / "plan.BAK"));

    // The same settings through the create command in this process.
    std::filesystem::create_directories(Native(folder) / L"expected");
    const std::string expectedFolder = folder / "expected\\";
    TDrawing drawing;
    RecordingHost host;
    FakePrinter printer;
    CreateNewDrawing(drawing, A3Settings(expectedFolder, "plan"), host, printer);
    const std::vector<std::uint8_t> expected = ReadFileBytes(expectedFolder + "plan.JWW");
    ASSERT_GT(expected.size(), 8u);
    EXPECT_EQ(ReadFileBytes(folder / "plan.JWW"), expected);
    EXPECT_EQ(host.Calls, 0);

    // The window stays; the command saved no settings.
    EXPECT_FALSE(Exists(folder / "drafnova.ini.tmp"));
    EXPECT_EQ(app.Close(), 0u);
}

TEST(Window, OverwriteIsAskedAndOnlyYesReplacesKeepingTheOldAsBackup) {
    SKIP_WITHOUT_DISPLAY();
    TempFolder folder;
    WriteIni(folder, A3Ini(folder));
    WriteFileText(folder / "plan.JWW", "old drawing");
    TApp app(Native(folder));
    ASSERT_NE(app.Main(), nullptr);

    app.Click(IDC_BUTTON4);
    TBox box = app.WaitBox(W(u8"確認"));
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.Message(), W(u8"指定したファイルが既に存在します。上書きしてもよろしいですか？"));
    EXPECT_EQ(TextOf(box.Button(IDYES)), W(u8"はい(&Y)"));
    EXPECT_EQ(TextOf(box.Button(IDNO)), W(u8"いいえ(&N)"));
    box.Click(IDNO);
    ASSERT_TRUE(WaitUntil([&] { return app.Focus() == app.Item(IDC_EDIT1); }));
    ASSERT_TRUE(WaitUntil([&] { return app.NoBoxOpen(); }));
    app.Sync();
    EXPECT_EQ(ReadFileBytes(folder / "plan.JWW"),
              std::vector<std::uint8_t>({'o', 'l', 'd', ' ', 'd', 'r', 'a', 'w', 'i', 'n', 'g'}));
    EXPECT_FALSE(Exists(folder / "plan.BAK"));

    app.Click(IDC_BUTTON4);
    box = app.WaitBox(W(u8"確認"));
    ASSERT_NE(box.window, nullptr);
    box.Click(IDYES);
    ASSERT_TRUE(WaitUntil([&] {
        const auto bytes = ReadFileBytes(folder / "plan.JWW");
        return bytes.size() > 8 && std::string(bytes.begin(), bytes.begin() + 8) == "JwwData.";
    }));
    const auto backup = ReadFileBytes(folder / "plan.BAK");
    EXPECT_EQ(std::string(backup.begin(), backup.end()), "old drawing");
    EXPECT_EQ(app.Close(), 0u);
}

TEST(Window, RefusedNameOrFolderBeepsAndFocusesTheField) {
    SKIP_WITHOUT_DISPLAY();
    struct Case {
        std::wstring name;
        std::wstring folder;  // empty: the program's folder
        int focused;
    };
    const Case cases[] = {
        {L"", L"", IDC_EDIT1},
        {L" \u3000 ", L"", IDC_EDIT1},  // blanks only
        {L"a*b", L"", IDC_EDIT1},       // a character no file name may hold
        {L"plan", L" \u3000", IDC_EDIT2},
    };
    TempFolder folder;
    TApp app(Native(folder));
    ASSERT_NE(app.Main(), nullptr);
    for (const Case& c : cases) {
        app.SetText(IDC_EDIT1, c.name);
        app.SetText(IDC_EDIT2, c.folder.empty() ? W(folder.Path()) : c.folder);
        SendMessageW(app.Main(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(app.Item(IDC_EDIT4)),
                     TRUE);
        app.Click(IDC_BUTTON4);
        EXPECT_TRUE(WaitUntil([&] { return app.Focus() == app.Item(c.focused); }));
        app.Sync();
        EXPECT_TRUE(app.NoBoxOpen());
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>({"Drafnova.exe"}));
    EXPECT_EQ(app.Close(), 0u);
}

TEST(Window, MissingSourceIsNotedAndTheDrawingIsMadeFromTheDefaults) {
    SKIP_WITHOUT_DISPLAY();
    TempFolder folder;
    std::vector<std::string> ini = A3Ini(folder);
    ini.push_back("DIVF=" + folder / "missing.jww");
    WriteIni(folder, ini);
    TApp app(Native(folder));
    ASSERT_NE(app.Main(), nullptr);
    app.Click(IDC_BUTTON4);
    const TBox box = app.WaitBox(W(u8"確認"));
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.Message(), W(u8"指定した設定流用図面ファイルは存在しません。"));
    EXPECT_EQ(TextOf(box.Button(IDOK)), L"OK");
    EXPECT_FALSE(Exists(folder / "plan.JWW"));  // the notice comes first
    box.Click(IDOK);
    ASSERT_TRUE(WaitUntil([&] { return Exists(folder / "plan.JWW"); }));
    EXPECT_EQ(app.Close(), 0u);
}

TEST(Window, UncaughtErrorIsReportedAndTheWindowStaysUsable) {
    SKIP_WITHOUT_DISPLAY();
    TempFolder folder;
    std::vector<std::string> ini = A3Ini(folder);
    ini[2] = "NFLD=" + folder.Path() + "absent\\";  // a folder that does not exist
    WriteIni(folder, ini);
    TApp app(Native(folder));
    ASSERT_NE(app.Main(), nullptr);
    app.Click(IDC_BUTTON4);
    const TBox box = app.WaitBox(L"Drafnova");
    ASSERT_NE(box.window, nullptr);
    const std::wstring message = box.Message();
    ASSERT_FALSE(message.empty());
    // The point follows a last character that sorts after it.
    EXPECT_TRUE(message.back() == L'.' || message.back() < L'.') << message.size();
    EXPECT_NE(message.find(L"plan.JWW"), std::wstring::npos);
    EXPECT_EQ(TextOf(box.Button(IDOK)), L"OK");
    box.Click(IDOK);
    ASSERT_TRUE(WaitUntil([&] { return app.NoBoxOpen(); }));

    // Still at work: a second try in the right folder succeeds.
    app.SetText(IDC_EDIT2, W(folder.Path()));
    app.Click(IDC_BUTTON4);
    ASSERT_TRUE(WaitUntil([&] { return Exists(folder / "plan.JWW"); }));
    EXPECT_EQ(app.Close(), 0u);
    const std::vector<std::string> lines = IniLines(folder);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "NFLD=" + folder.Path()), lines.end());
}

TEST(Window, PrinterErrorsAreReportedWhenThereIsNoPrinter) {
    SKIP_WITHOUT_DISPLAY();
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size > 0) GTEST_SKIP() << "a default printer exists";
    TempFolder folder;
    std::vector<std::string> ini = A3Ini(folder);
    ini[3] = "PAPE=26";  // the printer's sheet
    WriteIni(folder, ini);
    TApp app(Native(folder));
    ASSERT_NE(app.Main(), nullptr);
    for (const int button : {IDC_BUTTON4, IDC_BUTTON3}) {
        SCOPED_TRACE(button);
        app.Click(button);
        const TBox box = app.WaitBox(L"Drafnova");
        ASSERT_NE(box.window, nullptr);
        EXPECT_EQ(box.Message(), W(u8"デフォルト プリンタが存在しません."));
        box.Click(IDOK);
        ASSERT_TRUE(WaitUntil([&] { return app.NoBoxOpen(); }));
    }
    EXPECT_FALSE(Exists(folder / "plan.JWW"));
    EXPECT_EQ(app.Close(), 0u);
}

TEST(Window, NameAndFolderFieldsHoldTheirLengthInShiftJisBytes) {
    SKIP_WITHOUT_DISPLAY();
    TempFolder folder;
    TApp app(Native(folder));
    ASSERT_NE(app.Main(), nullptr);
    const auto type = [&](int id, wchar_t c, int times) {
        for (int i = 0; i < times; ++i) SendMessageW(app.Item(id), WM_CHAR, c, 1);
    };
    struct Case {
        int id;
        int doubleByteFit;  // two-byte characters that fit
        bool oneMoreByte;   // a one-byte character still fits after them
    };
    for (const Case& c :
         {Case{IDC_EDIT1, 127, true}, Case{IDC_EDIT2, 127, true}, Case{IDC_EDIT3, 255, false}}) {
        SCOPED_TRACE(c.id);
        app.SetText(c.id, L"");
        type(c.id, L'\u56F3', c.doubleByteFit + 3);  // "図"
        EXPECT_EQ(TextOf(app.Item(c.id)), std::wstring(c.doubleByteFit, L'\u56F3'));
        type(c.id, L'a', 1);
        type(c.id, L'b', 1);
        EXPECT_EQ(TextOf(app.Item(c.id)),
                  std::wstring(c.doubleByteFit, L'\u56F3') + (c.oneMoreByte ? L"a" : L""));
    }
    EXPECT_EQ(app.Close(), 0u);
}

TEST(Window, FileDialogsOpenWithTheirTitleAndFolder) {
    SKIP_WITHOUT_DISPLAY();
    TempFolder folder;
    std::filesystem::create_directories(Native(folder) / L"sub");
    TApp app(Native(folder));
    ASSERT_NE(app.Main(), nullptr);

    // Cancelled: nothing changes.
    const std::wstring source = W(folder / "given.jww");
    app.SetText(IDC_EDIT3, source);
    app.Click(IDC_BUTTON2);
    TBox box = app.WaitBox(W(u8"設定を流用する図面ファイルを指定して下さい"));
    ASSERT_NE(box.window, nullptr);
    box.Click(IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return app.NoBoxOpen(); }));
    EXPECT_EQ(TextOf(app.Item(IDC_EDIT3)), source);

    // Confirmed in the folder it opened in: that folder, with a separator.
    app.SetText(IDC_EDIT2, W(folder / "sub"));
    app.Click(IDC_BUTTON1);
    box = app.WaitBox(W(u8"作成先フォルダを開いた状態で［開く］を行って下さい"));
    ASSERT_NE(box.window, nullptr);
    box.Click(IDOK);
    ASSERT_TRUE(WaitUntil([&] { return app.NoBoxOpen(); }));
    EXPECT_EQ(TextOf(app.Item(IDC_EDIT2)), W(folder / "sub\\"));
    EXPECT_EQ(app.Close(), 0u);
}

}  // namespace
}  // namespace drafnova::testing

namespace drafnova::testing {
namespace {

// With the printer queue of the tests' own print server (a prefix of its own).
TEST(WindowPrinter, PrinterSetupChoiceIsThePaperOfThePrinterSizedEntry) {
    SKIP_WITHOUT_DISPLAY();
    const wchar_t queue[] = L"DrafnovaTest";
    ASSERT_TRUE(SetDefaultPrinterW(queue));
    TempFolder folder;
    std::vector<std::string> ini = A3Ini(folder);
    ini[3] = "PAPE=26";  // "プリンタ物理サイズ"
    WriteIni(folder, ini);
    TApp app(Native(folder));
    ASSERT_NE(app.Main(), nullptr);

    // Landscape in the printer-setup dialog.
    app.Click(IDC_BUTTON3);
    const TBox setup = app.WaitBox(W(u8"印刷設定"));
    ASSERT_NE(setup.window, nullptr);
    constexpr int kLandscape = 0x421;  // the dialog's orientation buttons: portrait 0x420
    setup.Click(kLandscape);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(setup.Button(kLandscape)); }));
    setup.Click(IDOK);
    ASSERT_TRUE(WaitUntil([&] { return app.NoBoxOpen(); }));
    app.Click(IDC_BUTTON4);
    ASSERT_TRUE(WaitUntil([&] { return Exists(folder / "plan.JWW"); }));
    EXPECT_EQ(app.Close(), 0u);

    // The same drawing made here on the queue in either orientation.
    const auto made = [&](short orientation, const std::string& name) {
        HANDLE printer = nullptr;
        EXPECT_TRUE(OpenPrinterW(const_cast<wchar_t*>(queue), &printer, nullptr));
        const LONG size =
            DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(queue), nullptr, nullptr, 0);
        std::vector<unsigned char> block(static_cast<std::size_t>(std::max<LONG>(size, 0)));
        auto* mode = reinterpret_cast<DEVMODEW*>(block.data());
        DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(queue), mode, nullptr,
                            DM_OUT_BUFFER);
        ClosePrinter(printer);
        mode->dmFields |= DM_ORIENTATION;
        mode->dmOrientation = orientation;
        TWinPrinter chosen;
        chosen.Choose(queue, mode);
        TCreateSettings settings = A3Settings(folder.Path(), name);
        settings.PaperIndex = 26;
        TDrawing drawing;
        RecordingHost host;
        CreateNewDrawing(drawing, settings, host, chosen);
        return ReadFileBytes(folder / (name + ".JWW"));
    };
    const std::vector<std::uint8_t> landscape = made(DMORIENT_LANDSCAPE, "landscape");
    const std::vector<std::uint8_t> portrait = made(DMORIENT_PORTRAIT, "portrait");
    ASSERT_FALSE(landscape.empty());
    EXPECT_NE(landscape, portrait);  // the orientation shows in the drawing
    EXPECT_EQ(ReadFileBytes(folder / "plan.JWW"), landscape);
}

}  // namespace
}  // namespace drafnova::testing
