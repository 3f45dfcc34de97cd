// Arbitrary bytes as drafnova.ini beside the program: the window's load and
// save. Loading never raises and gives settings within their lists; saving
// what was loaded always succeeds and loads back to the same choices.

#include <cstdint>
#include <string>

#include "Func_/text.hpp"
#include "UnitIni/form_state.hpp"
#include "UnitIni/ini_file.hpp"
#include "UnitIni/settings_file.hpp"
#include "fuzz_support.hpp"
#include "jwtype/drawing.hpp"

namespace {

bool SameChoices(const drafnova::TFormState& a, const drafnova::TFormState& b) {
    return a.Left == b.Left && a.Top == b.Top && a.ComboBox1 == b.ComboBox1 &&
           a.ComboBox2 == b.ComboBox2 && a.ComboBox3 == b.ComboBox3 &&
           a.RadioGroup2 == b.RadioGroup2 && a.CheckBox1 == b.CheckBox1 &&
           a.RadioGroup1 == b.RadioGroup1 && a.ComboBox4 == b.ComboBox4 &&
           a.ComboBox5 == b.ComboBox5 && a.ComboBox6 == b.ComboBox6 && a.ComboBox7 == b.ComboBox7 &&
           a.ComboBox8 == b.ComboBox8 && a.ComboBox9 == b.ComboBox9 &&
           a.ComboBox10 == b.ComboBox10 && a.ComboBox11 == b.ComboBox11 &&
           a.ComboBox12 == b.ComboBox12 &&
           // Reals compare as numbers: the default "5.0" comes back as "5".
           drafnova::TextToFloat(a.Edit4) == drafnova::TextToFloat(b.Edit4) &&
           drafnova::TextToFloat(a.Edit5) == drafnova::TextToFloat(b.Edit5) &&
           drafnova::TextToFloat(a.Edit6) == drafnova::TextToFloat(b.Edit6);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drafnova;
    const std::string& folder = fuzz::ScratchFolder();
    fuzz::WriteWholeFile(folder + "drafnova.ini", data, size);

    TFormState state;
    TDrawing drawing;
    LoadSettings(state, drawing, folder);
    static_cast<void>(GatherCreateSettings(state));  // raises for an index outside its list
    FUZZ_CHECK(drawing.ImageFolder == folder && !drawing.EmbedImages);

    FUZZ_CHECK(SaveSettings(state, drawing) || size > kMaxIniFileSize);
    TFormState again;
    LoadSettings(again, drawing, folder);
    FUZZ_CHECK(SameChoices(state, again));
    return 0;
}
