// Arbitrary text as the settings file's contents: every key read over the
// defaults, and one value written and read back. The settings that come out
// always lie within their lists and limits, and a value that the writer
// accepts is found again by the reader where it put it.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "Func_/text.hpp"
#include "UnitIni/form_state.hpp"
#include "UnitIni/ini_text.hpp"
#include "UnitIni/settings_keys.hpp"
#include "fuzz_support.hpp"

namespace {

constexpr std::size_t kLargeBuffer = 1u << 20;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The value as the reader gives it back: blanks and tabs at both ends and one
// pair of enclosing quotes removed.
std::string AsRead(std::string_view value) {
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    while (!value.empty() && IsBlank(value.back())) value.remove_suffix(1);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

void CheckWithinLimits(const drafnova::TFormState& state) {
    using namespace drafnova;
    // Every list index lies in its list, or this raises.
    static_cast<void>(GatherCreateSettings(state));
    FUZZ_CHECK(state.Edit1.size() <= 254 && state.Edit2.size() <= 254);
    FUZZ_CHECK(state.Edit3.size() <= 511);
    for (const std::string& scale : state.ComboBoxD) FUZZ_CHECK(scale.size() <= 21);
    const double pitch = TextToFloat(state.Edit4);
    FUZZ_CHECK(pitch > 0.0 && pitch <= 10000.0);
    for (const std::string* gap : {&state.Edit5, &state.Edit6}) {
        const double value = TextToFloat(*gap);
        FUZZ_CHECK(value >= 0.0 && value <= 100.0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drafnova;
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(16);
    const std::string key = input.ConsumeRandomLengthString(16);
    const std::string value = input.ConsumeRandomLengthString(64);
    std::string text = input.ConsumeRemainingBytesAsString();

    TFormState state;
    SetFormDefaults(state);
    ReadSettings(state, text);
    CheckWithinLimits(state);

    std::string found;
    if (IniWriteText(text, section, key, value)) {
        const bool read = IniReadText(text, section, key, found, kLargeBuffer);
        const std::string expected = AsRead(value);
        FUZZ_CHECK(read == !expected.empty());
        FUZZ_CHECK(found == expected);
    }

    // Saving what was read and reading it again stays within the limits too.
    std::string saved = text;
    WriteSettings(state, saved);
    TFormState again;
    SetFormDefaults(again);
    ReadSettings(again, saved);
    CheckWithinLimits(again);
    FUZZ_CHECK(again.ComboBox1 == state.ComboBox1 && again.ComboBox2 == state.ComboBox2);
    FUZZ_CHECK(again.Left == state.Left && again.Top == state.Top);
    // The default "5.0" comes back as "5": the same number.
    FUZZ_CHECK(TextToFloat(again.Edit4) == TextToFloat(state.Edit4));
    FUZZ_CHECK(TextToFloat(again.Edit5) == TextToFloat(state.Edit5));
    return 0;
}
