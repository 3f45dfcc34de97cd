// Bad JWW files, as the file that "info" shows and as the settings source of
// "new": what the reader makes of each, what the user sees, and that the new
// drawing then comes from the defaults while the bad file stays untouched.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>

#include "catalogue/catalogue_support.hpp"
#include "jwwunit/jww_file.hpp"

namespace drafnova {
namespace {

using testing::HeaderBytes;
using testing::PutInt32;
using testing::SourceDrawing;

using TBytes = std::vector<std::uint8_t>;

// What happens to one bad file.
enum class TOutcome {
    NotJww,      // IsJwwFile false: "info" says so; "new" passes the source over in silence
    Unreadable,  // IsJwwFile true, the header cannot be read whole: "info" says so; "new"
                 // tells the user and uses the defaults
    Read,        // the header is read whole (an odd but complete file): taken over
};

struct TBadDrawing {
    const char* Name;
    std::function<TBytes()> Make;
    TOutcome Outcome;
};

TBytes Header700() { return HeaderBytes(SourceDrawing(), 700); }

TBytes Cut(TBytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

// A header whose memo (at offset 12) begins with the given length bytes and
// then stops after a few bytes more.
TBytes MemoLength(const TBytes& prefix) {
    TBytes bytes = Cut(Header700(), 12);
    bytes.insert(bytes.end(), prefix.begin(), prefix.end());
    bytes.insert(bytes.end(), 100, 'x');
    return bytes;
}

TBytes WithVersion(TBytes bytes, std::uint32_t version) {
    PutInt32(bytes, 8, version);
    return bytes;
}

const std::vector<TBadDrawing>& BadDrawings() {
    static const std::vector<TBadDrawing> rows = {
        {"empty file", [] { return TBytes{}; }, TOutcome::NotJww},
        {"shorter than the signature", [] { return Cut(Header700(), 5); }, TOutcome::NotJww},
        {"signature in another case",
         [] {
             TBytes bytes = Header700();
             bytes[0] = 'j';
             return bytes;
         },
         TOutcome::NotJww},
        {"signature ended by a zero byte",
         [] {
             TBytes bytes = Header700();
             bytes[7] = 0;
             return bytes;
         },
         TOutcome::NotJww},
        {"text file", [] { return TBytes{'h', 'e', 'l', 'l', 'o', '\n'}; }, TOutcome::NotJww},
        {"signature only", [] { return Cut(Header700(), 8); }, TOutcome::Unreadable},
        {"cut inside the version", [] { return Cut(Header700(), 10); }, TOutcome::Unreadable},
        {"version 219", [] { return WithVersion(Header700(), 219); }, TOutcome::Unreadable},
        {"version 0", [] { return WithVersion(Header700(), 0); }, TOutcome::Unreadable},
        {"version -1", [] { return WithVersion(Header700(), 0xFFFFFFFFu); }, TOutcome::Unreadable},
        {"cut in the layer names", [] { return Cut(Header700(), 3000); }, TOutcome::Unreadable},
        {"cut one byte before the end of the header",
         [] { return Cut(Header700(), Header700().size() - 1); }, TOutcome::Unreadable},
        {"7.00 header with the layout of 2.20 (too short for it)",
         [] { return WithVersion(HeaderBytes(SourceDrawing(), 220), 700); }, TOutcome::Unreadable},
        {"memo length past the end", [] { return MemoLength({200}); }, TOutcome::Unreadable},
        {"memo 16-bit length past the end",
         [] {
             return MemoLength({0xFF, 0x00, 0xFF});
         },
         TOutcome::Unreadable},
        {"memo 32-bit length of 4 GiB",
         [] {
             return MemoLength({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
         },
         TOutcome::Unreadable},
        {"memo of 2 G UTF-16 characters",
         [] {
             return MemoLength({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});
         },
         TOutcome::Unreadable},
        {"absurd version 99999 with a whole 7.00 layout",
         [] { return WithVersion(Header700(), 99999); }, TOutcome::Read},
        {"version 250 (unknown) over the 2.30 layout, shorter than its own",
         [] { return WithVersion(HeaderBytes(SourceDrawing(), 230), 250); }, TOutcome::Unreadable},
        {"oversized header: 65533-byte memo and 254-byte names",
         [] {
             TDrawing drawing = SourceDrawing();
             drawing.Header.Memo.assign(65533, 'M');
             for (TLayer& layer : drawing.Layers) layer.Name.assign(254, 'L');
             for (TColorExNo& colour : drawing.ColorExNos) colour.Name.assign(254, 'C');
             return HeaderBytes(drawing, 700);
         },
         TOutcome::Read},
        {"header followed by 1 MiB of junk",
         [] {
             TBytes bytes = Header700();
             bytes.insert(bytes.end(), 1u << 20, 0xA5);
             return bytes;
         },
         TOutcome::Read},
    };
    return rows;
}

void PrintTo(const TBadDrawing& row, std::ostream* out) { *out << row.Name; }

class BadDrawing : public ::testing::TestWithParam<TBadDrawing> {
protected:
    testing::TempFolder folder;
};

std::string RowName(const ::testing::TestParamInfo<TBadDrawing>& info) {
    std::string name;
    for (const char* c = info.param.Name; *c != '\0'; ++c) {
        name += (std::isalnum(static_cast<unsigned char>(*c)) != 0) ? *c : '_';
    }
    return name;
}

// The reader: no crash, no raise past the file operations, and the result
// the row expects; a refused version is kept in the model.
TEST_P(BadDrawing, ReaderGivesACleanResult) {
    const TBadDrawing& row = GetParam();
    const std::string path = folder / "bad.jww";
    testing::WriteFileBytes(path, row.Make());
    EXPECT_EQ(IsJwwFile(path), row.Outcome != TOutcome::NotJww);
    TDrawing drawing;
    const bool read = ReadJwwHeader(drawing, path);
    // The reader does not look at the signature (IsJwwFile does, first).
    if (row.Outcome != TOutcome::NotJww) {
        EXPECT_EQ(read, row.Outcome == TOutcome::Read);
    }
    EXPECT_EQ(drawing.Layers.size(), 256u);  // the tables keep their lengths either way
    if (row.Outcome == TOutcome::Read) {
        EXPECT_EQ(drawing.Header.DimensionSettings[0], 4242);
    }
}

#ifndef _WIN32
TEST_P(BadDrawing, InfoSaysWhatIsWrong) {
    const TBadDrawing& row = GetParam();
    testing::WriteFileBytes(folder / "bad.jww", row.Make());
    const testing::TCliResult info = testing::RunCli(folder, {"info", "bad.jww"});
    switch (row.Outcome) {
        case TOutcome::NotJww:
            EXPECT_EQ(info.Exit, 2);
            EXPECT_EQ(info.Err, "Error: bad.jww: not a JWW drawing\n");
            break;
        case TOutcome::Unreadable:
            EXPECT_EQ(info.Exit, 2);
            EXPECT_EQ(info.Err,
                      "Error: bad.jww: the header of the drawing could not be read whole\n");
            break;
        case TOutcome::Read:
            EXPECT_EQ(info.Exit, 0) << info.Err;
            EXPECT_NE(info.Out.find("Version: "), std::string::npos);
            break;
    }
}

TEST_P(BadDrawing, NewDrawingFromItUsesTheDefaultsAndLeavesItAlone) {
    const TBadDrawing& row = GetParam();
    testing::WriteFileBytes(folder / "bad.jww", row.Make());
    const auto before = testing::RecordFolder(folder);
    const testing::TCliResult result =
        testing::RunCli(folder, {"new", "--yes", "--no-open", "--ini", "none.ini", "--source",
                                 "bad.jww", "--name", "new", "--version", "6.00"});
    EXPECT_EQ(result.Exit, 0) << result.Err;
    const std::string notice = row.Outcome == TOutcome::Unreadable
                                   ? "指定した設定流用図面ファイルを読み込めませんでした。"
                                     "既定の設定で作成します。\n"
                                   : "";
    EXPECT_EQ(result.Err, notice + "Written: " + Cp932ToUtf8(folder / "new.JWW") + "\n");

    auto after = testing::RecordFolder(folder);
    ASSERT_EQ(after.erase("new.JWW"), 1u);
    EXPECT_EQ(after, before);  // the bad file is as it was, nothing else appeared
    TDrawing made;
    ASSERT_TRUE(ReadJwwHeader(made, folder / "new.JWW"));
    EXPECT_EQ(made.Header.Version, 600);
    const bool taken = row.Outcome == TOutcome::Read;
    EXPECT_EQ(made.Header.DimensionSettings[0], taken ? 4242 : 2001112);
    EXPECT_EQ(made.ColorNos.at(0).ScreenColor, taken ? 0 : 0xFFFFFF);  // black, or white
}
#endif

INSTANTIATE_TEST_SUITE_P(Catalogue, BadDrawing, ::testing::ValuesIn(BadDrawings()), RowName);

#ifndef _WIN32
// A source or an "info" file that is a folder, or that is missing.
TEST(BadDrawingPath, FolderOrMissingFile) {
    testing::TempFolder folder;
    std::filesystem::create_directory(testing::NativePath(folder / "drawings"));
    const testing::TCliResult folderInfo = testing::RunCli(folder, {"info", "drawings"});
    EXPECT_EQ(folderInfo.Exit, 2);
    EXPECT_EQ(folderInfo.Err, "Error: drawings: a folder, not a drawing\n");
    const testing::TCliResult missingInfo = testing::RunCli(folder, {"info", "none.jww"});
    EXPECT_EQ(missingInfo.Exit, 2);
    EXPECT_EQ(missingInfo.Err, "Error: none.jww: no such file\n");

    for (const char* source : {"drawings", "none.jww"}) {
        const testing::TCliResult made =
            testing::RunCli(folder, {"new", "--yes", "--no-open", "--ini", "none.ini", "--source",
                                     source, "--name", source});
        EXPECT_EQ(made.Exit, 0) << made.Err;
        EXPECT_EQ(made.Err.substr(0, made.Err.find('\n')),
                  "指定した設定流用図面ファイルは存在しません。");
    }
    EXPECT_EQ(folder.Entries(),
              (std::vector<std::string>{"drawings", "drawings.JWW", "none.jww.JWW"}));
}

// A layer name holding a terminal escape sequence is shown with "?" for the
// control characters.
TEST(BadDrawingPath, ControlCharactersInNamesAreNotSentToTheTerminal) {
    testing::TempFolder folder;
    // The writer cleans names, so the escape sequence is put into the bytes.
    const std::string escape = "\x1B]0;pwned\x07\x1B[2J";
    TDrawing drawing = SourceDrawing();
    drawing.LayerGroups[0].Name.assign(escape.size(), 'N');
    TBytes bytes = HeaderBytes(drawing, 700);
    const std::string placeholder(escape.size(), 'N');
    const auto at = std::search(bytes.begin(), bytes.end(), placeholder.begin(), placeholder.end());
    ASSERT_NE(at, bytes.end());
    std::copy(escape.begin(), escape.end(), at);
    testing::WriteFileBytes(folder / "escape.jww", bytes);
    const testing::TCliResult info = testing::RunCli(folder, {"info", "escape.jww"});
    EXPECT_EQ(info.Exit, 0) << info.Err;
    EXPECT_EQ(info.Out.find('\x1B'), std::string::npos);
    EXPECT_NE(info.Out.find("?]0;pwned??[2J"), std::string::npos) << info.Out;
}
#endif

}  // namespace
}  // namespace drafnova
