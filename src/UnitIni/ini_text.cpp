#include "UnitIni/ini_text.hpp"

#include <algorithm>

#include "Func_/text.hpp"

namespace drafnova {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBreakOrNul("\r\n\0", 3);

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

// Removes blanks and tabs at both ends. Neither is ever the second byte of a
// two-byte character, so cutting them from the end is safe.
std::string_view Trim(std::string_view text) {
    text = TrimLeft(text);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Names match without regard to the case of ASCII letters; a two-byte
// character matches only itself.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size();) {
        if (IsLeadByte(static_cast<unsigned char>(a[i]))) {
            const std::size_t width = std::min<std::size_t>(2, a.size() - i);
            if (a.substr(i, width) != b.substr(i, width)) return false;
            i += width;
        } else {
            if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
            ++i;
        }
    }
    return true;
}

// Position of the first single-byte "]" in text, skipping two-byte
// characters (whose second byte may be 0x5D); npos when there is none.
// incomplete is set when text ends with a lone lead byte.
std::size_t FindCloseBracket(std::string_view text, bool* incomplete = nullptr) {
    for (std::size_t i = 0; i < text.size();) {
        if (IsLeadByte(static_cast<unsigned char>(text[i]))) {
            if (i + 1 >= text.size() && incomplete != nullptr) *incomplete = true;
            i += 2;
        } else if (text[i] == ']') {
            return i;
        } else {
            ++i;
        }
    }
    return std::string_view::npos;
}

// One line of the text: [begin, contentEnd) is its content, [contentEnd, end)
// its line end (LF, CR LF, or nothing on a last line without one).
struct TLine {
    std::size_t begin = 0;
    std::size_t contentEnd = 0;
    std::size_t end = 0;
};

TLine LineAt(std::string_view text, std::size_t begin) {
    TLine line;
    line.begin = begin;
    const std::size_t lf = text.find('\n', begin);
    if (lf == std::string_view::npos) {
        line.contentEnd = line.end = text.size();
    } else {
        line.contentEnd = lf > begin && text[lf - 1] == '\r' ? lf - 1 : lf;
        line.end = lf + 1;
    }
    return line;
}

enum class TLineKind { Other, Section, Key };

struct TParsedLine {
    TLineKind kind = TLineKind::Other;
    std::string_view name;   // section or key name, trimmed
    std::string_view value;  // key lines: everything after the first "="
};

TParsedLine ParseLine(std::string_view content) {
    TParsedLine parsed;
    content = TrimLeft(content);
    if (!content.empty() && content.front() == '[') {
        const std::size_t close = FindCloseBracket(content.substr(1));
        if (close != std::string_view::npos) {
            parsed.kind = TLineKind::Section;
            parsed.name = Trim(content.substr(1, close));
        }
        return parsed;
    }
    const std::size_t equals = content.find('=');  // never the second byte of a character
    if (equals != std::string_view::npos) {
        parsed.kind = TLineKind::Key;
        parsed.name = Trim(content.substr(0, equals));
        parsed.value = content.substr(equals + 1);
    }
    return parsed;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

bool IsTrimmed(std::string_view name) { return Trim(name).size() == name.size(); }

bool IsWritableSection(std::string_view section) {
    bool incomplete = false;
    return section.find_first_of(kBreakOrNul) == std::string_view::npos && IsTrimmed(section) &&
           FindCloseBracket(section, &incomplete) == std::string_view::npos && !incomplete;
}

bool IsWritableKey(std::string_view key) {
    return !key.empty() && key.front() != '[' && key.find('=') == std::string_view::npos &&
           key.find_first_of(kBreakOrNul) == std::string_view::npos && IsTrimmed(key);
}

}  // namespace

bool IniReadText(std::string_view text, std::string_view section, std::string_view key,
                 std::string& value, std::size_t bufferSize) {
    value.clear();
    bool inSection = false;
    for (std::size_t position = 0; position < text.size();) {
        const TLine line = LineAt(text, position);
        position = line.end;
        const TParsedLine parsed = ParseLine(text.substr(line.begin, line.contentEnd - line.begin));
        if (parsed.kind == TLineKind::Section) {
            if (inSection) break;  // only the first section of the name counts
            inSection = SameName(parsed.name, section);
        } else if (inSection && parsed.kind == TLineKind::Key && SameName(parsed.name, key)) {
            std::string_view found = Unquote(Trim(parsed.value));
            found = found.substr(0, found.find('\0'));
            found = found.substr(0, bufferSize == 0 ? 0 : bufferSize - 1);
            value.assign(found);
            return !value.empty();
        }
    }
    return false;
}

bool IniWriteText(std::string& text, std::string_view section, std::string_view key,
                  std::string_view value) {
    if (!IsWritableSection(section) || !IsWritableKey(key) ||
        value.find_first_of(kBreakOrNul) != std::string_view::npos) {
        return false;
    }
    std::string keyLine;
    keyLine.append(key).append("=").append(value);

    constexpr std::size_t kNone = std::string::npos;
    std::size_t insertAt = kNone;  // after the section's last non-blank line
    bool inSection = false;
    for (std::size_t position = 0; position < text.size();) {
        const TLine line = LineAt(text, position);
        position = line.end;
        const std::string_view content =
            std::string_view(text).substr(line.begin, line.contentEnd - line.begin);
        const TParsedLine parsed = ParseLine(content);
        if (parsed.kind == TLineKind::Section) {
            if (inSection) break;
            inSection = SameName(parsed.name, section);
            if (inSection) insertAt = line.end;
        } else if (inSection) {
            if (parsed.kind == TLineKind::Key && SameName(parsed.name, key)) {
                text.replace(line.begin, line.contentEnd - line.begin, keyLine);
                return true;
            }
            if (!Trim(content).empty()) insertAt = line.end;
        }
    }

    std::string addition;
    if (insertAt == kNone) {  // a new section at the end
        insertAt = text.size();
        addition.append("[").append(section).append("]").append(kLineEnd);
    }
    if (insertAt > 0 && text[insertAt - 1] != '\n') addition.insert(0, kLineEnd);
    addition.append(keyLine).append(kLineEnd);
    text.insert(insertAt, addition);
    return true;
}

}  // namespace drafnova
