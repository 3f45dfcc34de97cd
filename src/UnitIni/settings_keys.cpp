#include "UnitIni/settings_keys.hpp"

#include <cstddef>
#include <cstdint>

#include "Func_/text.hpp"
#include "UnitIni/ini_text.hpp"
#include "UnitIni/real_text.hpp"

namespace drafnova {
namespace {

constexpr std::string_view kFormSection = "Form";
constexpr std::string_view kSetsSection = "Sets";

// Buffer sizes of the reads: the longest value read is one byte less.
constexpr std::size_t kValueBuffer = 22;
constexpr std::size_t kNameBuffer = 255;    // "NEWF", "NFLD"
constexpr std::size_t kSourceBuffer = 512;  // "DIVF"

constexpr double kDefaultGridPitch = 5.0;
constexpr double kMaxGridPitch = 10000.0;
constexpr double kMaxOutlineGap = 100.0;

// The outline gap as stored: anything outside 0..100 is stored as 0.
double StoredGap(const std::string& field) {
    const double gap = TextToFloat(field);
    return gap < 0.0 || gap > kMaxOutlineGap ? 0.0 : gap;
}

std::string ScaleKey(std::size_t group) { return "LG_D" + std::to_string(group); }
std::string LineKey(int number) { return "PAP" + std::to_string(number); }

class TSettingsReader {
public:
    explicit TSettingsReader(std::string_view text) : text_(text) {}

    bool Read(std::string_view section, std::string_view key, std::size_t bufferSize) {
        return IniReadText(text_, section, key, value_, bufferSize);
    }
    const std::string& Value() const { return value_; }

    void Text(std::string_view key, std::size_t bufferSize, std::string& field) {
        if (Read(kSetsSection, key, bufferSize)) field = value_;
    }

    void Index(std::string_view key, std::size_t count, int& field) {
        if (!Read(kSetsSection, key, kValueBuffer)) return;
        const std::int32_t index = TextToInt(value_);
        if (index >= 0 && static_cast<std::size_t>(index) < count) field = index;
    }

    bool Real(std::string_view key, double& value) {
        if (!Read(kSetsSection, key, kValueBuffer)) return false;
        value = TextToFloat(value_);
        return true;
    }

private:
    std::string_view text_;
    std::string value_;
};

class TSettingsWriter {
public:
    explicit TSettingsWriter(std::string& text) : text_(text) {}

    // A refused value leaves the stored one; the result of a single write is
    // not looked at.
    void Write(std::string_view section, std::string_view key, std::string_view value) {
        static_cast<void>(IniWriteText(text_, section, key, value));
    }
    void Text(std::string_view key, std::string_view value) { Write(kSetsSection, key, value); }
    void Int(std::string_view section, std::string_view key, int value) {
        Write(section, key, std::to_string(value));
    }
    void Index(std::string_view key, int value) { Int(kSetsSection, key, value); }
    void Real(std::string_view key, double value) { Write(kSetsSection, key, RealToText(value)); }

private:
    std::string& text_;
};

}  // namespace

void ReadSettings(TFormState& state, std::string_view iniText) {
    TSettingsReader reader(iniText);
    if (reader.Read(kFormSection, "F1_X", kValueBuffer)) state.Left = TextToInt(reader.Value());
    if (reader.Read(kFormSection, "F1_Y", kValueBuffer)) state.Top = TextToInt(reader.Value());
    reader.Text("NEWF", kNameBuffer, state.Edit1);
    reader.Text("NFLD", kNameBuffer, state.Edit2);
    reader.Text("DIVF", kSourceBuffer, state.Edit3);
    reader.Index("JVER", kVersionCount, state.ComboBox1);
    reader.Index("PAPE", kPaperCount, state.ComboBox2);
    reader.Index("LAYG", kGroupCount, state.ComboBox3);
    for (std::size_t group = 0; group < kGroupCount; ++group) {
        reader.Text(ScaleKey(group), kValueBuffer, state.ComboBoxD[group]);
    }
    if (reader.Read(kSetsSection, "GRON", kValueBuffer) && TextToInt(reader.Value()) == 0) {
        state.CheckBox1 = false;
    }
    double pitch = 0.0;
    if (reader.Real("GRDS", pitch) && pitch > 0.0 && pitch <= kMaxGridPitch) {
        state.Edit4 = RealToText(pitch);  // "5.0" comes back as "5"
    }
    reader.Index("GRPO", kGridOriginCount, state.ComboBox4);
    reader.Index("GRSU", kGridUnitCount, state.RadioGroup1);
    reader.Index("BCOL", kBackColorCount, state.RadioGroup2);
    // "PAP1" .. "PAP8": frame colour, line type, group, layer, then the outline's.
    const struct {
        int* field;
        std::size_t count;
    } lineLists[] = {
        {&state.ComboBox5, kLineColorCount}, {&state.ComboBox6, kLineTypeCount},
        {&state.ComboBox7, kGroupCount},     {&state.ComboBox8, kGroupCount},
        {&state.ComboBox9, kLineColorCount}, {&state.ComboBox10, kLineTypeCount},
        {&state.ComboBox11, kGroupCount},    {&state.ComboBox12, kGroupCount},
    };
    int number = 1;
    for (const auto& list : lineLists) reader.Index(LineKey(number++), list.count, *list.field);
    double gap = 0.0;
    if (reader.Real("RINX", gap) && gap >= 0.0 && gap <= kMaxOutlineGap) {
        state.Edit5 = RealToText(gap);
    }
    if (reader.Real("RINY", gap) && gap >= 0.0 && gap <= kMaxOutlineGap) {
        state.Edit6 = RealToText(gap);
    }
}

void WriteSettings(const TFormState& state, std::string& iniText) {
    TSettingsWriter writer(iniText);
    writer.Int(kFormSection, "F1_X", state.Left);
    writer.Int(kFormSection, "F1_Y", state.Top);
    writer.Text("NEWF", state.Edit1);
    writer.Text("NFLD", state.Edit2);
    writer.Text("DIVF", state.Edit3);
    writer.Index("JVER", state.ComboBox1);
    writer.Index("PAPE", state.ComboBox2);
    writer.Index("LAYG", state.ComboBox3);
    for (std::size_t group = 0; group < kGroupCount; ++group) {
        writer.Text(ScaleKey(group), state.ComboBoxD[group]);
    }
    writer.Text("GRON", state.CheckBox1 ? "1" : "0");

    double pitch = TextToFloat(state.Edit4);
    if (!(pitch > 0.0) || pitch > kMaxGridPitch) pitch = kDefaultGridPitch;
    writer.Real("GRDS", pitch);

    writer.Index("GRPO", state.ComboBox4);
    writer.Index("GRSU", state.RadioGroup1);
    writer.Index("BCOL", state.RadioGroup2);
    const int lineLists[] = {state.ComboBox5, state.ComboBox6,  state.ComboBox7,  state.ComboBox8,
                             state.ComboBox9, state.ComboBox10, state.ComboBox11, state.ComboBox12};
    for (int i = 0; i < 8; ++i) writer.Index(LineKey(i + 1), lineLists[i]);

    writer.Real("RINX", StoredGap(state.Edit5));
    writer.Real("RINY", StoredGap(state.Edit6));
}

}  // namespace drafnova
