#include "Func_/text.hpp"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "Func_/error.hpp"

namespace drafnova {
namespace {

constexpr char kBlank = ' ';
constexpr unsigned char kFullWidthBlankLead = 0x81;
constexpr unsigned char kFullWidthBlankTrail = 0x40;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool IsControl(unsigned char byte) { return byte < 0x20; }

// Hexadecimal digits to the end of text; at most 32 significant bits.
bool ParseHex(std::string_view digits, std::int32_t& value) {
    if (digits.empty()) return false;
    std::uint32_t result = 0;
    int significant = 0;
    for (char c : digits) {
        const int digit = HexValue(c);
        if (digit < 0) return false;
        if (significant > 0 || digit != 0) ++significant;
        if (significant > 8) return false;
        result = (result << 4) | static_cast<std::uint32_t>(digit);
    }
    value = static_cast<std::int32_t>(result);
    return true;
}

// Decimal digits to the end of text, within the range of a 32-bit integer.
bool ParseDecimal(std::string_view digits, bool negative, std::int32_t& value) {
    if (digits.empty()) return false;
    const std::int64_t limit =
        negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                 : std::numeric_limits<std::int32_t>::max();
    std::int64_t result = 0;
    for (char c : digits) {
        if (!IsDigit(c)) return false;
        result = result * 10 + (c - '0');
        if (result > limit) return false;
    }
    value = static_cast<std::int32_t>(negative ? -result : result);
    return true;
}

std::size_t SkipLeadingBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == kBlank) ++i;
    return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

}  // namespace

void StrToBuf(std::span<std::uint8_t> buffer, std::string_view text, int count) {
    std::size_t k = count < 0 ? static_cast<std::size_t>(-static_cast<std::int64_t>(count))
                              : static_cast<std::size_t>(count);
    if (k > text.size()) k = text.size();
    if (k > buffer.size()) throw RangeError("StrToBuf: count beyond the buffer");
    for (std::size_t i = 0; i < k; ++i) {
        buffer[i] = static_cast<std::uint8_t>(text[i]);
    }
}

void FillBuf(std::span<std::uint8_t> buffer, std::uint8_t value, int count) {
    if (count <= 0) return;
    if (static_cast<std::size_t>(count) > buffer.size()) {
        throw RangeError("FillBuf: count beyond the buffer");
    }
    for (int i = 0; i < count; ++i) {
        buffer[static_cast<std::size_t>(i)] = value;
    }
}

std::int32_t TextToInt(std::string_view text) {
    std::size_t i = SkipLeadingBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view rest = text.substr(i);
    std::int32_t value = 0;
    bool ok = false;
    if (!rest.empty() && rest[0] == '$') {
        ok = ParseHex(rest.substr(1), value);
    } else if (!rest.empty() && (rest[0] == 'x' || rest[0] == 'X')) {
        ok = ParseHex(rest.substr(1), value);
    } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        ok = ParseHex(rest.substr(2), value);
    } else {
        ok = ParseDecimal(rest, negative, value);
    }
    return ok ? value : 0;
}

double TextToFloat(std::string_view text) {
    std::size_t i = SkipLeadingBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    i = SkipDigits(text, i);
    const bool integerDigits = i > mantissaStart;
    bool fractionDigits = false;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        i = SkipDigits(text, i);
        fractionDigits = i > fractionStart;
    }
    const std::size_t mantissaEnd = i;
    std::string_view exponent;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        const std::size_t exponentStart = ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        const std::size_t digitsStart = i;
        i = SkipDigits(text, i);
        if (i == digitsStart) return 0.0;  // an exponent without digits
        exponent = text.substr(exponentStart, i - exponentStart);
    }
    if (i != text.size()) return 0.0;                   // any other byte
    if (!integerDigits && !fractionDigits) return 0.0;  // a lone point or sign

    // Rebuilt without sign, "+" and blanks, so that from_chars reads it the
    // same way whatever the locale says.
    std::string number(integerDigits ? 0 : 1, '0');
    number.append(text.substr(mantissaStart, mantissaEnd - mantissaStart));
    if (!exponent.empty()) {
        number += 'e';
        number += exponent[0] == '+' ? exponent.substr(1) : exponent;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::general);
    // Beyond the range of a double (1E400) counts as no number; so does a
    // value too small to be told from 0, which is 0 anyway.
    if (error != std::errc() || end != number.data() + number.size()) return 0.0;
    return negative ? -value : value;
}

std::string DeleteBlanks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(byte)) {
            const bool hasTrail = i + 1 < text.size();
            const bool fullWidthBlank =
                hasTrail && byte == kFullWidthBlankLead &&
                static_cast<unsigned char>(text[i + 1]) == kFullWidthBlankTrail;
            if (!fullWidthBlank) result.append(text.substr(i, hasTrail ? 2 : 1));
            i += 2;
        } else {
            if (byte != kBlank && !IsControl(byte)) result.push_back(text[i]);
            ++i;
        }
    }
    return result;
}

std::string CleanJwwText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(byte)) {
            result.append(text.substr(i, i + 1 < text.size() ? 2 : 1));
            i += 2;
        } else if (byte == '^' && i + 1 < text.size() && text[i + 1] == 'm') {
            i += 2;
        } else {
            if (!IsControl(byte)) result.push_back(text[i]);
            ++i;
        }
    }
    if (result.empty() && !text.empty()) result.assign(1, kBlank);
    return result;
}

}  // namespace drafnova
