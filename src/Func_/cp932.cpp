#include "Func_/cp932.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

#include "Func_/text.hpp"

namespace drafnova {
namespace {

#include "Func_/cp932_tables.inc"

constexpr char16_t kReplacement = u'\uFFFD';
constexpr unsigned kTrailFirst = 0x40;
constexpr unsigned kTrailLast = 0xFC;
constexpr unsigned kTrailCount = kTrailLast - kTrailFirst + 1;

// Position of a lead byte in the decode table, or -1 for a byte that starts
// no double-byte character of the table (0x80, 0xA0, 0xFD..0xFF).
int LeadRow(unsigned char lead) {
    if (lead >= 0x81 && lead <= 0x9F) return lead - 0x81;
    if (lead >= 0xE0 && lead <= 0xFC) return lead - 0xE0 + (0x9F - 0x81 + 1);
    return -1;
}

char16_t DecodePair(unsigned char lead, unsigned char trail) {
    const int row = LeadRow(lead);
    if (row < 0 || trail < kTrailFirst || trail > kTrailLast) return kReplacement;
    const std::uint16_t code =
        kCp932Decode[static_cast<unsigned>(row) * kTrailCount + (trail - kTrailFirst)];
    return code == 0 ? kReplacement : static_cast<char16_t>(code);
}

char16_t DecodeSingle(unsigned char byte) {
    if (byte < 0x80) return static_cast<char16_t>(byte);
    if (byte >= 0xA1 && byte <= 0xDF) return static_cast<char16_t>(0xFF61 + (byte - 0xA1));
    return kReplacement;
}

void AppendEncoded(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
        return;
    }
    if (cp > 0xFFFF) {
        out.push_back('?');
        return;
    }
    const auto found = std::lower_bound(
        kCp932Encode.begin(), kCp932Encode.end(), cp,
        [](const TCodePair& pair, char32_t value) { return pair.Unicode < value; });
    if (found == kCp932Encode.end() || found->Unicode != cp) {
        out.push_back('?');
        return;
    }
    const std::uint16_t code = found->Code;
    if (code > 0xFF) out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xFF));
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at text[i]; advances i. A malformed sequence
// gives U+FFFD and consumes one byte.
char32_t NextUtf8(std::string_view text, std::size_t& i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t cp = 0;
    if (byte < 0x80) {
        ++i;
        return byte;
    } else if ((byte & 0xE0) == 0xC0) {
        extra = 1;
        cp = byte & 0x1F;
    } else if ((byte & 0xF0) == 0xE0) {
        extra = 2;
        cp = byte & 0x0F;
    } else if ((byte & 0xF8) == 0xF0) {
        extra = 3;
        cp = byte & 0x07;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + static_cast<std::size_t>(extra) >= text.size()) {
        ++i;
        return kReplacement;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

}  // namespace

std::string Utf16ToCp932(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        AppendEncoded(out, cp);
    }
    return out;
}

std::string Utf8ToCp932(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        AppendEncoded(out, NextUtf8(text, i));
    }
    return out;
}

std::u16string Cp932ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(byte) && LeadRow(byte) >= 0) {
            if (i + 1 < text.size()) {
                out.push_back(DecodePair(byte, static_cast<unsigned char>(text[i + 1])));
                ++i;
            } else {
                out.push_back(kReplacement);
            }
        } else {
            out.push_back(DecodeSingle(byte));
        }
    }
    return out;
}

std::string Cp932ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3 / 2);
    for (char16_t unit : Cp932ToUtf16(text)) {
        AppendUtf8(out, unit);
    }
    return out;
}

std::string Sj(std::u8string_view utf8) {
    return Utf8ToCp932(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

}  // namespace drafnova
