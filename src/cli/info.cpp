#include "cli/info.hpp"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "Func_/cp932.hpp"
#include "Func_/text.hpp"

namespace drafnova::cli {
namespace {

constexpr std::string_view kGroupDigits = "0123456789ABCDEF";

// Shortest text that reads back as the same double.
std::string Number(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

std::string VersionText(std::int32_t version) {
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%d.%02d", version / 100, version % 100);
    return buffer.data();
}

std::string ScaleText(double denominator) { return "1/" + Number(denominator); }

// A colour held with red in the low byte, as the usual #RRGGBB.
std::string Hex(std::int32_t colour) {
    const auto value = static_cast<std::uint32_t>(colour);
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "#%02X%02X%02X", value & 0xFFu,
                  (value >> 8) & 0xFFu, (value >> 16) & 0xFFu);
    return buffer.data();
}

std::string GridText(std::int32_t mode) {
    const bool shown = mode % 10 == 1;
    const bool realSize = mode / 10 == 1;
    return std::string(shown ? "shown" : "hidden") + ", " +
           Sj(realSize ? u8"実寸 (real size)" : u8"図寸 (drawing size)");
}

std::string JsonString(const std::string& cp932) {
    std::string out = "\"";
    for (char c : Cp932ToUtf8(cp932)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", byte);
            out += escaped.data();
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// A name from the file as the terminal may show it: control characters
// (escape sequences of a hostile file among them) become "?". A control byte
// after a lead byte is no character and is shown as one unknown character.
std::string Printable(const std::string& cp932) {
    std::string out = cp932;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto byte = static_cast<unsigned char>(out[i]);
        if (IsLeadByte(byte)) {
            ++i;
        } else if (byte < 0x20 || byte == 0x7F) {
            out[i] = '?';
        }
    }
    return out;
}

}  // namespace

std::string DescribeHeader(const TDrawing& drawing, const std::string& path) {
    const THeader& h = drawing.Header;
    std::string out;
    out += Sj(u8"File: ") + path + "\n";
    out += "Version: " + VersionText(h.Version) + " (" + std::to_string(h.Version) + ")\n";
    out += "Paper code: " + std::to_string(h.PaperSize) + "\n";
    out += "Write layer group: " + std::string(1, kGroupDigits[h.WriteLayerGroup & 15]) + " (" +
           std::to_string(h.WriteLayerGroup) + ")\n";
    out += "Layer groups (state, scale, name):\n";
    for (std::size_t g = 0; g < drawing.LayerGroups.size(); ++g) {
        const TLayerGroup& group = drawing.LayerGroups[g];
        out += "  " + std::string(1, kGroupDigits[g & 15]) + "  " + std::to_string(group.State) +
               "  " + ScaleText(group.Scale) + "  " + Printable(group.Name) + "\n";
    }
    out += "Grid: " + GridText(h.GridMode) + ", interval " + Number(h.GridIntervalX) + " x " +
           Number(h.GridIntervalY) + " mm, reference point (" + Number(h.GridBaseX) + ", " +
           Number(h.GridBaseY) + "), shown from " + Number(h.GridMinSpacing) + " dots\n";
    out += "Pens (screen colour and width; print colour, width and point radius):\n";
    for (std::size_t c = 0; c < drawing.ColorNos.size(); ++c) {
        const TColorNo& pen = drawing.ColorNos[c];
        out += "  " + std::to_string(c) + "  " + Hex(pen.ScreenColor) + " " +
               std::to_string(pen.ScreenWidth) + "; " + Hex(pen.PrintColor) + " " +
               std::to_string(pen.PrintWidth) + " " + Number(pen.PrintPointRadius) + "\n";
    }
    return out;
}

std::string HeaderAsJson(const TDrawing& drawing, const std::string& path) {
    const THeader& h = drawing.Header;
    std::string out = "{";
    out += "\"file\": " + JsonString(path);
    out += ", \"version\": " + std::to_string(h.Version);
    out += ", \"paperSize\": " + std::to_string(h.PaperSize);
    out += ", \"writeLayerGroup\": " + std::to_string(h.WriteLayerGroup);
    out += ", \"layerGroups\": [";
    for (std::size_t g = 0; g < drawing.LayerGroups.size(); ++g) {
        const TLayerGroup& group = drawing.LayerGroups[g];
        if (g > 0) out += ", ";
        out += "{\"group\": " + std::to_string(g) + ", \"state\": " + std::to_string(group.State) +
               ", \"scale\": " + Number(group.Scale) + ", \"name\": " + JsonString(group.Name) +
               "}";
    }
    out += R"(], "grid": {"mode": )" + std::to_string(h.GridMode) +
           ", \"minSpacing\": " + Number(h.GridMinSpacing) +
           ", \"intervalX\": " + Number(h.GridIntervalX) +
           ", \"intervalY\": " + Number(h.GridIntervalY) + ", \"baseX\": " + Number(h.GridBaseX) +
           ", \"baseY\": " + Number(h.GridBaseY) + "}";
    out += ", \"pens\": [";
    for (std::size_t c = 0; c < drawing.ColorNos.size(); ++c) {
        const TColorNo& pen = drawing.ColorNos[c];
        if (c > 0) out += ", ";
        out += "{\"screenColor\": " + std::to_string(pen.ScreenColor) +
               ", \"screenWidth\": " + std::to_string(pen.ScreenWidth) +
               ", \"printColor\": " + std::to_string(pen.PrintColor) +
               ", \"printWidth\": " + std::to_string(pen.PrintWidth) +
               ", \"printPointRadius\": " + Number(pen.PrintPointRadius) + "}";
    }
    out += "]}\n";
    return out;
}

}  // namespace drafnova::cli
