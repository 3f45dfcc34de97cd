// Arbitrary bytes through the text routines and the code page 932 converter.
// Besides never crashing, each keeps a simple promise: numbers are finite and
// stable when written back, cleaning never grows a text nor empties a
// non-empty one, and the converter's output is always well formed.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "Func_/cp932.hpp"
#include "Func_/text.hpp"
#include "UnitIni/real_text.hpp"
#include "fuzz_support.hpp"

namespace {

// True when text is well-formed UTF-8 of scalar values (no surrogates).
bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t cp = 0;
        char32_t least = 0;
        if (byte < 0x80) {
            ++i;
            continue;
        } else if ((byte & 0xE0) == 0xC0) {
            extra = 1, cp = byte & 0x1F, least = 0x80;
        } else if ((byte & 0xF0) == 0xE0) {
            extra = 2, cp = byte & 0x0F, least = 0x800;
        } else if ((byte & 0xF8) == 0xF0) {
            extra = 3, cp = byte & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= text.size()) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

// True when no byte of text is a blank or a control byte outside a
// two-byte character, and no two-byte character is the full-width blank.
bool HasNoBlanks(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (drafnova::IsLeadByte(byte)) {
            if (i + 1 < text.size() && byte == 0x81 && text[i + 1] == 0x40) return false;
            i += 2;
        } else {
            if (byte <= 0x20) return false;
            ++i;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drafnova;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::int32_t integer = TextToInt(text);
    FUZZ_CHECK(TextToInt(std::to_string(integer)) == integer);

    const double real = TextToFloat(text);
    FUZZ_CHECK(std::isfinite(real));
    const std::string stored = RealToText(real);
    FUZZ_CHECK(RealToText(TextToFloat(stored)) == stored);

    const std::string noBlanks = DeleteBlanks(text);
    FUZZ_CHECK(noBlanks.size() <= text.size());
    FUZZ_CHECK(HasNoBlanks(noBlanks));
    FUZZ_CHECK(DeleteBlanks(noBlanks) == noBlanks);

    const std::string cleaned = CleanJwwText(text);
    FUZZ_CHECK(cleaned.size() <= text.size() || (text.empty() && cleaned.empty()));
    FUZZ_CHECK(cleaned.empty() == text.empty());

    // Bytes as CP932: the Unicode forms are well formed and agree.
    const std::string utf8 = Cp932ToUtf8(text);
    FUZZ_CHECK(IsValidUtf8(utf8));
    const std::u16string utf16 = Cp932ToUtf16(text);
    FUZZ_CHECK(Utf16ToCp932(utf16) == Utf8ToCp932(utf8));

    // Bytes as UTF-8: what the converter makes of them is CP932 that decodes
    // without a single unknown sequence, and that it makes again from that.
    const std::string cp932 = Utf8ToCp932(text);
    FUZZ_CHECK(Cp932ToUtf16(cp932).find(u'\uFFFD') == std::u16string::npos);
    FUZZ_CHECK(Utf8ToCp932(Cp932ToUtf8(cp932)) == cp932);

    // The first eight bytes as a double: stored and read back within 15
    // digits. Values too small to be told from 0, and those that round up
    // past the largest double, read back as 0 by design.
    if (size >= 8) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (std::isnormal(value) && std::fabs(value) < 1e300) {
            const std::string written = RealToText(value);
            FUZZ_CHECK(RealToText(TextToFloat(written)) == written);
        }
    }
    return 0;
}
