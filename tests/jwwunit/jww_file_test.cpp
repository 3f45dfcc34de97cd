#include "jwwunit/jww_file.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "builder/defaults.hpp"
#include "builder/paper.hpp"
#include "jwwunit/data_writer.hpp"
#include "jwwunit/header.hpp"
#include "support/sample_drawing.hpp"
#include "support/temp_folder.hpp"

namespace drafnova {
namespace {

using drafnova::testing::ReadFileBytes;
using drafnova::testing::TempFolder;
using drafnova::testing::WriteFileBytes;
using drafnova::testing::WriteFileText;
using Bytes = std::vector<std::uint8_t>;

// A new drawing as the create command makes it: defaults, A4 landscape frame
// and outline.
TDrawing SmallDrawing() {
    TDrawing drawing;
    ClearDrawing(drawing);
    SizeHeaderTables(drawing);
    SetLayerDefaults(drawing, 0);
    SetColorDefaults(drawing, 0);
    SetLineTypeDefaults(drawing);
    SetTextStyleDefaults(drawing);
    SetMiscDefaults(drawing);
    drawing.Header.Signature = "JwwData.";
    drawing.Header.Memo = Sj(u8"メモ");
    drawing.Header.PaperSize = 4;
    AddFrameLines(drawing, 297, 210, {}, {1, 1, 0, 0}, 10, 5);
    return drawing;
}

// The bytes the header and data writers give for drawing (on a copy: the data
// writer keeps its bookkeeping in the drawing).
Bytes WriterBytes(const TDrawing& drawing, std::int32_t version) {
    TDrawing copy = drawing;
    MemorySink sink;
    WriteJwwHeader(sink, copy, version);
    WriteJwwData(sink, copy, version);
    return sink.Bytes();
}

Bytes HeaderBytes(const TDrawing& drawing, std::int32_t version) {
    MemorySink sink;
    WriteJwwHeader(sink, drawing, version);
    return sink.Bytes();
}

Bytes Concat(std::string_view text, std::vector<std::uint8_t> tail = {}) {
    Bytes bytes(text.begin(), text.end());
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

// Passes bytes on until limit bytes have gone through, then fails as a full
// disk would, after passing on the part of the piece that still fits.
class FailingSink final : public ByteSink {
public:
    FailingSink(ByteSink& inner, std::size_t limit) : inner_(inner), limit_(limit) {}
    void Write(const void* data, std::size_t size) override {
        if (size > limit_ - written_) {
            const std::size_t fits = limit_ - written_;
            if (fits > 0) {
                inner_.Write(data, fits);
            }
            written_ = limit_;
            throw IoError("disk full");
        }
        inner_.Write(data, size);
        written_ += size;
    }

private:
    ByteSink& inner_;
    std::size_t limit_;
    std::size_t written_ = 0;
};

TSaveSinkFilter FailAfter(std::size_t limit) {
    return [limit](ByteSink& file) { return std::make_unique<FailingSink>(file, limit); };
}

TEST(JwwFile, SignatureDecides) {
    TempFolder temp;
    struct Case {
        Bytes bytes;
        bool jww;
    };
    const Case cases[] = {
        {Concat("JwwData."), true},
        {Concat("JwwData.", {0xBC, 0x02, 0, 0}), true},
        {Concat("jwwdata."), false},
        {Concat("JWWDATA."), false},
        {Concat("JwwData", {0}), false},
        {Concat("Jww", {0, 'a', 't', 'a', '.'}), false},
        {Concat("JwwData"), false},  // 7 bytes: too short
        {Bytes{}, false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string path = temp / ("case" + std::to_string(i) + ".jww");
        WriteFileBytes(path, cases[i].bytes);
        EXPECT_EQ(IsJwwFile(path), cases[i].jww) << "case " << i;
    }
}

TEST(JwwFile, OpenFailuresRaiseWithThePath) {
    TempFolder temp;
    const std::string path = temp / Sj(u8"無い図面.jww");
    for (int op = 0; op < 2; ++op) {
        try {
            TDrawing drawing;
            if (op == 0) {
                IsJwwFile(path);
            } else {
                ReadJwwHeader(drawing, path);
            }
            FAIL() << "no error for a missing file";
        } catch (const IoError& error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        }
    }
}

TEST(JwwFile, SignatureAloneIsNoHeader) {
    TempFolder temp;
    const std::string path = temp / "sig.jww";
    WriteFileText(path, "JwwData.");
    EXPECT_TRUE(IsJwwFile(path));
    TDrawing drawing = SmallDrawing();
    EXPECT_FALSE(ReadJwwHeader(drawing, path));
    EXPECT_EQ(drawing.Header.Signature, "JwwData.");
    EXPECT_EQ(drawing.Header.Version, 0);
    EXPECT_EQ(drawing.LayerGroups.size(), kLayerGroupCount);
}

TEST(JwwFile, VersionBelow220StopsWithClearedModelAndFullTables) {
    TempFolder temp;
    const std::string path = temp / "old.jww";
    WriteFileBytes(path, Concat("JwwData.", {219, 0, 0, 0, 0xFF, 0xFF}));
    TDrawing drawing = SmallDrawing();
    drawing.Header.EntityCount = 8;
    EXPECT_FALSE(ReadJwwHeader(drawing, path));

    const THeader fresh;
    EXPECT_EQ(drawing.Header.Signature, "JwwData.");
    EXPECT_EQ(drawing.Header.Version, 219);
    EXPECT_TRUE(drawing.Header.Memo.empty());
    EXPECT_EQ(drawing.Header.PaperSize, 0);
    EXPECT_EQ(drawing.Header.DimensionSettings, fresh.DimensionSettings);
    EXPECT_EQ(drawing.Header.GridIntervalX, 1.0);
    EXPECT_EQ(drawing.Header.MarkJumpGroup, fresh.MarkJumpGroup);
    EXPECT_EQ(drawing.Header.EntityCount, 8) << "kept for the data section";
    EXPECT_TRUE(drawing.EntityOrder.empty());
    EXPECT_EQ(drawing.Entities.LineCount, 0);

    EXPECT_EQ(drawing.LayerGroups.size(), kLayerGroupCount);
    EXPECT_EQ(drawing.Layers.size(), kLayerCount);
    EXPECT_EQ(drawing.ColorNos.size(), kColorNoCount);
    EXPECT_EQ(drawing.LineTypeNos.size(), kLineTypeNoCount);
    EXPECT_EQ(drawing.RandomLineNos.size(), kRandomLineNoCount);
    EXPECT_EQ(drawing.DoubleLineTypeNos.size(), kDoubleLineTypeNoCount);
    EXPECT_EQ(drawing.ColorExNos.size(), kColorExNoCount);
    EXPECT_EQ(drawing.LineTypeExNos.size(), kLineTypeExNoCount);
    EXPECT_EQ(drawing.TextStyleNos.size(), kTextStyleNoCount);
    for (const TLayerGroup& group : drawing.LayerGroups) {
        EXPECT_EQ(group.State, 0);
        EXPECT_EQ(group.Scale, 0.0);
    }
    for (const TColorNo& color : drawing.ColorNos) {
        EXPECT_EQ(color.ScreenColor, 0);
    }
}

TEST(JwwFile, FileCutInsideTheHeaderKeepsWhatWasRead) {
    TempFolder temp;
    TDrawing source = SmallDrawing();
    source.Header.Memo = "memo";
    source.Header.PaperSize = 3;
    source.Header.WriteLayerGroup = 7;
    source.LayerGroups[3].Name = "G3";
    source.Header.TextShiftY[2] = 7.5;  // the last field of the block
    const Bytes whole = HeaderBytes(source, 700);

    // Cut after the write layer group: 12 bytes, the memo (1 + 4), two words.
    const std::string path = temp / "cut.jww";
    WriteFileBytes(path, Bytes(whole.begin(), whole.begin() + 25));
    TDrawing drawing = SmallDrawing();
    EXPECT_FALSE(ReadJwwHeader(drawing, path));
    EXPECT_EQ(drawing.Header.Version, 700);
    EXPECT_EQ(drawing.Header.Memo, "memo");
    EXPECT_EQ(drawing.Header.PaperSize, 3);
    EXPECT_EQ(drawing.Header.WriteLayerGroup, 7);
    EXPECT_EQ(drawing.LayerGroups[0].State, 0) << "not reached: reset value";
    EXPECT_EQ(drawing.Header.DimensionSettings[0], 0);

    // Cut one byte before the end: everything but the last field.
    WriteFileBytes(path, Bytes(whole.begin(), whole.end() - 1));
    EXPECT_FALSE(ReadJwwHeader(drawing, path));
    EXPECT_EQ(drawing.LayerGroups[3].Name, "G3");
    EXPECT_EQ(drawing.LayerGroups[0].State, 3);
    EXPECT_EQ(drawing.TextStyleNos[9].Width, 10.0);
    EXPECT_EQ(drawing.Header.TextShiftY[2], 0.0);

    WriteFileBytes(path, whole);
    EXPECT_TRUE(ReadJwwHeader(drawing, path));
    EXPECT_EQ(drawing.Header.TextShiftY[2], 7.5);
}

TEST(JwwFile, SaveWritesExactlyTheWritersBytes) {
    TempFolder temp;
    const std::string path = temp / Sj(u8"新規表.JWW");
    for (const std::int32_t version : kJwwVersions) {
        // A new drawing, and one with every kind of entity, blocks and images.
        for (TDrawing drawing : {SmallDrawing(), drafnova::testing::MakeSampleDrawing()}) {
            const Bytes expected = WriterBytes(drawing, version);
            ASSERT_TRUE(SaveJww(drawing, path, version)) << version;
            EXPECT_EQ(ReadFileBytes(path), expected) << version;
            EXPECT_EQ(temp.Entries(),
                      std::vector<std::string>{reinterpret_cast<const char*>(u8"新規表.JWW")})
                << "a temporary file was left";
        }
        TDrawing back;
        EXPECT_TRUE(IsJwwFile(path));
        EXPECT_TRUE(ReadJwwHeader(back, path)) << version;
        EXPECT_EQ(back.Header.Version, version);
        EXPECT_TRUE(back.EntityOrder.empty()) << "the data section is not read";
    }
    TDrawing drawing = SmallDrawing();
    ASSERT_TRUE(SaveJww(drawing, path, 700));
    TDrawing back;
    ASSERT_TRUE(ReadJwwHeader(back, path));
    EXPECT_EQ(back.Header.Memo, Sj(u8"メモ"));
    EXPECT_EQ(back.ColorNos[1].ScreenColor, 12632064);
}

TEST(JwwFile, Version230ReadAndSavedAs700) {
    TempFolder temp;
    TDrawing source = SmallDrawing();
    source.Header.MarkJumpGroup.fill(5);
    source.Header.SkyLevel = 3;
    source.Header.SkyRadius = 4;
    source.ColorExNos[5].Name = "ex";
    source.ColorExNos[5].ScreenColor = 7;
    source.LineTypeExNos[2].Pattern = 9;
    const std::string old = temp / "v230.jww";
    ASSERT_TRUE(SaveJww(source, old, 230));

    TDrawing drawing;
    ASSERT_TRUE(ReadJwwHeader(drawing, old));
    EXPECT_EQ(drawing.Header.Version, 230);
    AddFrameLines(drawing, 297, 210, {}, {}, 0, 0);
    const Bytes expected = WriterBytes(drawing, 700);
    const std::string path = temp / "v700.jww";
    ASSERT_TRUE(SaveJww(drawing, path, 700));
    EXPECT_EQ(ReadFileBytes(path), expected);

    TDrawing back;
    ASSERT_TRUE(ReadJwwHeader(back, path));
    EXPECT_EQ(back.Header.Version, 700);
    EXPECT_EQ(back.Header.MarkJumpGroup, THeader{}.MarkJumpGroup);
    EXPECT_EQ(back.Header.SkyLevel, 0.0);
    EXPECT_EQ(back.Header.SkyRadius, 0.0);
    for (const TColorExNo& color : back.ColorExNos) {
        EXPECT_EQ(color.ScreenColor, 0);
        EXPECT_EQ(color.PrintColor, 0);
        EXPECT_TRUE(color.Name.empty());
    }
    for (const TLineTypeExNo& type : back.LineTypeExNos) {
        EXPECT_EQ(type.Pattern, 0);
        EXPECT_TRUE(type.Name.empty());
    }
    EXPECT_EQ(back.ColorNos[1].ScreenColor, 12632064) << "pens carried over";
}

// The byte positions at which a save is made to fail: every byte of a 2.20
// file; for 7.00 (whose header alone is over 14000 bytes) every byte from the
// last header values on through the data section, and every 61st before.
std::vector<std::size_t> FailurePositions(const TDrawing& drawing, std::int32_t version) {
    const std::size_t size = WriterBytes(drawing, version).size();
    const std::size_t header = HeaderBytes(drawing, version).size();
    const std::size_t dense = version == 220 ? 0 : header - 64;
    std::vector<std::size_t> positions;
    for (std::size_t limit = 0; limit < size; limit += limit < dense ? 61 : 1) {
        positions.push_back(limit);
    }
    return positions;
}

TEST(JwwFile, FailedSaveAtAnyByteLeavesNoFileAndKeepsTheOldOne) {
    TempFolder temp;
    const std::string path = temp / "target.jww";
    const Bytes oldContents = Concat("the drawing saved before");
    for (const std::int32_t version : {220, 700}) {
        TDrawing drawing = SmallDrawing();
        // Positions take turns: a target that does not exist yet, and an old
        // drawing at the target that must survive.
        bool existing = false;
        for (const std::size_t limit : FailurePositions(drawing, version)) {
            existing = !existing;
            if (existing) {
                WriteFileBytes(path, oldContents);
            } else {
                std::filesystem::remove(drafnova::testing::NativePath(path));
            }
            const std::vector<std::string> before = temp.Entries();
            ASSERT_FALSE(SaveJww(drawing, path, version, FailAfter(limit)))
                << version << " at byte " << limit;
            ASSERT_EQ(temp.Entries(), before) << version << " at byte " << limit;
            if (existing) {
                ASSERT_EQ(ReadFileBytes(path), oldContents) << version << " at byte " << limit;
            }
        }
        // With room for every byte the same filter lets the save through.
        const Bytes expected = WriterBytes(drawing, version);
        EXPECT_TRUE(SaveJww(drawing, path, version, FailAfter(expected.size())));
        EXPECT_EQ(ReadFileBytes(path), expected);
    }
}

TEST(JwwFile, SaveReplacesAnExistingFileAndStepsAroundTemporaryNames) {
    TempFolder temp;
    const std::string path = temp / "target.jww";
    WriteFileText(path, "old");
    WriteFileText(temp / "~drafnova-save-0.tmp", "someone else's");
    TDrawing drawing = SmallDrawing();
    ASSERT_TRUE(SaveJww(drawing, path, 600));
    EXPECT_EQ(ReadFileBytes(path), WriterBytes(drawing, 600));
    EXPECT_EQ(ReadFileBytes(temp / "~drafnova-save-0.tmp"), Concat("someone else's"));
    EXPECT_EQ(temp.Entries(), (std::vector<std::string>{"target.jww", "~drafnova-save-0.tmp"}));
}

TEST(JwwFile, SaveIntoAMissingFolderRaisesNamingTheTarget) {
    TempFolder temp;
    const std::string path = temp / (Sj(u8"無いフォルダ") + "/" + "x.jww");
    TDrawing drawing = SmallDrawing();
    try {
        SaveJww(drawing, path, 700);
        FAIL() << "no error for a missing folder";
    } catch (const IoError& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
    EXPECT_TRUE(temp.Entries().empty());
}

TEST(JwwFile, SaveOverAFolderFailsAndLeavesNothing) {
    TempFolder temp;
    std::filesystem::create_directory(drafnova::testing::NativePath(temp / "dir.jww"));
    TDrawing drawing = SmallDrawing();
    EXPECT_FALSE(SaveJww(drawing, temp / "dir.jww", 700));
    EXPECT_EQ(temp.Entries(), std::vector<std::string>{"dir.jww"});
}

}  // namespace
}  // namespace drafnova
