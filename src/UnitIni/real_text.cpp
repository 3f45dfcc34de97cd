#include "UnitIni/real_text.hpp"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

#include "Func_/error.hpp"

namespace drafnova {
namespace {

constexpr int kSignificantDigits = 15;
// Below 1E-4 and from 1E15 on the exponent form is used.
constexpr int kSmallestFixedExponent = -4;
constexpr int kLargestFixedExponent = kSignificantDigits - 1;

}  // namespace

std::string RealToText(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return "0";  // -0 too

    // "d.dddddddddddddde±xx": the value rounded to 15 significant digits,
    // the same on every platform and in every locale.
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                            std::chars_format::scientific, kSignificantDigits - 1);
    if (error != std::errc()) throw RangeError("RealToText: no room for the digits");
    const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = scientific.find('e');

    std::string digits;  // significant digits without the point
    for (char c : scientific.substr(0, e)) {
        if (c != '.') digits.push_back(c);
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string_view exponentText = scientific.substr(e + 1);  // "+14", "-05"
    if (exponentText.front() == '+') exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    std::string text = value < 0 ? "-" : "";
    if (exponent < kSmallestFixedExponent || exponent > kLargestFixedExponent) {
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += 'E';
        text += std::to_string(exponent);
    } else if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits);
            text += '.';
            text.append(digits, integerDigits);
        }
    }
    return text;
}

}  // namespace drafnova
