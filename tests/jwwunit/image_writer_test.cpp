#include "jwwunit/image_writer.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "jwwunit/data_fixtures.hpp"
#include "jwwunit/data_writer.hpp"
#include "support/temp_folder.hpp"

namespace drafnova {
namespace {

using namespace testing;

TEST(ImageReferenceKey, ReadsTheNameBetweenPrefixAndComma) {
    struct Row {
        std::string text;
        std::string key;
    };
    const Row rows[] = {
        {"^@BM%temp%pic.bmp,100,50", "PIC.BMP"},
        {"^@BM%temp%Pic.Bmp,", "PIC.BMP"},
        {"^@BM%temp%a,b,c", "A"},
        {"^@BM%temp%\x82\x61x.bmp,", "\x82\x61X.BMP"},  // full-width B: trail byte 'a' kept
        {"^@BM%temp%\xB1z,", "\xB1Z"},                  // half-width katakana is one byte
        {"^@BM%temp%,pic.bmp", ""},                     // empty key
        {"^@BM%temp%", ""},                             // the prefix alone
        {"^@BM%temp%pic.bmp", ""},                      // no comma
        {"^@bm%temp%pic.bmp,", ""},                     // prefix is exact
        {" ^@BM%temp%pic.bmp,", ""},
        {"pic.bmp,", ""},
        {"", ""},
    };
    for (const Row& row : rows) EXPECT_EQ(ImageReferenceKey(row.text), row.key) << row.text;
}

TEntMoji TextReferring(const std::string& name) {
    TEntMoji text;
    text.Attr = Attr(1, 1);
    text.Text = "^@BM%temp%" + name + ",100,100,0,0,1,0";
    return text;
}

Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return bytes;
}

// A drawing whose images live in a folder of the test's own.
class ImageSection : public ::testing::Test {
protected:
    ImageSection() {
        drawing.ImageFolder = folder.Path();
        drawing.EmbedImages = true;
    }

    void AddImage(const std::string& name) {
        drawing.BindImages.push_back({name, 0, true});
        drawing.BindImageCount = static_cast<std::int32_t>(drawing.BindImages.size());
    }
    void AddImageFile(const std::string& name, const Bytes& content) {
        AddImage(name);
        WriteFileBytes(folder / name, content);
    }
    void Refer(const std::string& name) {
        drawing.Entities.Texts.push_back(TextReferring(name));
        drawing.Entities.TextCount = static_cast<std::int32_t>(drawing.Entities.Texts.size());
    }
    Bytes Section() {
        MemorySink sink;
        WriteImageSection(sink, drawing);
        return sink.Bytes();
    }
    std::vector<bool> Used() const {
        std::vector<bool> used;
        for (const TBindImageType& image : drawing.BindImages) used.push_back(image.Used);
        return used;
    }

    TempFolder folder;
    TDrawing drawing;
};

// The count, then each stored image as name, size and content.
Bytes Stored(std::uint32_t count, const std::vector<std::pair<std::string, Bytes>>& images) {
    MemorySink sink;
    WriteUInt32(sink, count);
    for (const auto& [name, content] : images) {
        WriteUInt8(sink, static_cast<std::uint8_t>(name.size()));
        sink.Write(name.data(), name.size());
        WriteUInt32(sink, static_cast<std::uint32_t>(content.size()));
        WriteBytes(sink, content);
    }
    return sink.Bytes();
}

TEST_F(ImageSection, TwoTextsNamingOneImageStoreItOnce) {
    const Bytes content = Pattern(300);
    AddImageFile("plan.bmp", Pattern(10));
    AddImageFile("PIC.BMP", content);
    Refer("pic.bmp");
    Refer("Pic.bmp");
    EXPECT_EQ(Section(), Stored(1, {{"PIC.BMP", content}}));
    EXPECT_EQ(Used(), (std::vector<bool>{false, true}));
}

TEST_F(ImageSection, KeyPicksTheFirstImageWhoseNameBeginsWithIt) {
    AddImageFile("XPIC.BMP", Pattern(1));
    AddImageFile("pic.bmp.old", Pattern(2));
    AddImageFile("PIC.BMP", Pattern(3));
    Refer("PIC.BMP");
    EXPECT_EQ(Section(), Stored(1, {{"pic.bmp.old", Pattern(2)}}));  // name as stored
    EXPECT_EQ(Used(), (std::vector<bool>{false, true, false}));
}

TEST_F(ImageSection, StoresImagesInListOrderWithJapaneseNames) {
    const std::string japanese = Sj(u8"図面表.bmp");
    AddImageFile("a.bmp", Pattern(5));
    AddImageFile(japanese, Pattern(6));
    Refer(japanese);
    Refer("A.BMP");
    Refer("none.bmp");
    EXPECT_EQ(Section(), Stored(2, {{"a.bmp", Pattern(5)}, {japanese, Pattern(6)}}));
}

TEST_F(ImageSection, TextsOfBlockDefinitionsInUseReferToImages) {
    AddImageFile("A.BMP", Pattern(1));
    AddImageFile("B.BMP", Pattern(2));
    AddImageFile("C.BMP", Pattern(3));
    for (const char* name : {"b.bmp", "c.bmp"}) {
        TEntBlockDef block;
        block.Entities.Texts.push_back(TextReferring(name));
        block.Entities.TextCount = 1;
        drawing.BlockDefs.push_back(block);
    }
    drawing.BlockDefCount = 1;  // the second definition is not in use
    drawing.Entities.Texts.push_back(TextReferring("a.bmp"));
    drawing.Entities.TextCount = 0;  // nor is this text
    EXPECT_EQ(Section(), Stored(1, {{"B.BMP", Pattern(2)}}));
}

TEST_F(ImageSection, MissingFileIsSkippedAndTheRestIsWritten) {
    AddImage("GONE.BMP");
    AddImageFile("HERE.BMP", Pattern(40));
    Refer("gone.bmp");
    Refer("here.bmp");
    EXPECT_EQ(Section(), Stored(1, {{"HERE.BMP", Pattern(40)}}));
    EXPECT_EQ(Used(), (std::vector<bool>{false, true}));
}

TEST_F(ImageSection, AFolderOfTheImageNameIsNotAnImage) {
    AddImage("DIR.BMP");
    std::filesystem::create_directory(NativePath(folder / "DIR.BMP"));
    Refer("dir.bmp");
    EXPECT_EQ(Section(), Stored(0, {}));
}

TEST_F(ImageSection, EmbeddingOffWritesCountZeroAndClearsTheFlags) {
    AddImageFile("PIC.BMP", Pattern(8));
    Refer("pic.bmp");
    drawing.EmbedImages = false;
    EXPECT_EQ(Section(), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(Used(), (std::vector<bool>{false}));
}

TEST_F(ImageSection, EmptyKeysAndUnreferencedImagesStoreNothing) {
    AddImageFile("PIC.BMP", Pattern(8));
    drawing.BindImages.push_back({"PIC.BMP", 0, true});  // beyond the count: untouched
    drawing.Entities.Texts.push_back(TextReferring(""));
    drawing.Entities.Texts.push_back({});
    drawing.Entities.Texts.back().Text = "^@BM%temp%";
    drawing.Entities.TextCount = 2;
    EXPECT_EQ(Section(), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(Used(), (std::vector<bool>{false, true}));
}

TEST_F(ImageSection, CountsBeyondTheirListsAreRefused) {
    AddImageFile("PIC.BMP", Pattern(8));
    drawing.BindImageCount = 2;
    EXPECT_THROW(Section(), RangeError);
    drawing.BindImageCount = 1;
    drawing.Entities.TextCount = 1;
    EXPECT_THROW(Section(), RangeError);
    drawing.Entities.TextCount = 0;
    drawing.BlockDefCount = -1;
    EXPECT_THROW(Section(), RangeError);
}

// Keeps the size of every write, and runs an action once count bytes passed.
class RecordingSink final : public ByteSink {
public:
    void Write(const void* data, std::size_t size) override {
        sizes.push_back(size);
        bytes.Write(data, size);
        if (onByteCount && bytes.Bytes().size() >= triggerAt) {
            auto action = std::move(onByteCount);
            onByteCount = nullptr;
            action();
        }
    }
    std::vector<std::size_t> sizes;
    MemorySink bytes;
    std::size_t triggerAt = 0;
    std::function<void()> onByteCount;
};

TEST_F(ImageSection, FilesAreCopiedWholeInPiecesOf2048Bytes) {
    struct Row {
        std::size_t size;
        std::vector<std::size_t> pieces;
    };
    const Row rows[] = {{4096, {2048, 2048}}, {2049, {2048, 1}}, {2048, {2048}}, {1, {1}}, {0, {}}};
    for (const Row& row : rows) {
        drawing.BindImages.clear();
        AddImageFile("IMG.BMP", Pattern(row.size));
        drawing.Entities.Texts.clear();
        Refer("img.bmp");
        RecordingSink sink;
        WriteImageSection(sink, drawing);
        EXPECT_EQ(sink.bytes.Bytes(), Stored(1, {{"IMG.BMP", Pattern(row.size)}})) << row.size;
        // Count, name length, name, size, then the pieces.
        std::vector<std::size_t> pieces(sink.sizes.begin() + 4, sink.sizes.end());
        EXPECT_EQ(pieces, row.pieces) << row.size;
    }
}

TEST_F(ImageSection, AnImageThatCannotBeReadFailsTheWrite) {
    AddImageFile("PIC.BMP", Pattern(100));
    Refer("pic.bmp");
    RecordingSink sink;
    sink.triggerAt = 4;  // the file goes away after the count was written
    sink.onByteCount = [this] { std::filesystem::remove(NativePath(folder / "PIC.BMP")); };
    EXPECT_THROW(WriteImageSection(sink, drawing), IoError);
}

TEST_F(ImageSection, FollowsTheBlockDefinitionsFrom700Only) {
    AddImageFile("PIC.BMP", Pattern(20));
    Refer("pic.bmp");
    for (std::int32_t version : {220, 351, 420, 600}) {
        MemorySink sink;
        WriteJwwData(sink, drawing, version);
        EXPECT_EQ(sink.Bytes(), (Bytes{0, 0, 0, 0})) << version;
    }
    MemorySink sink;
    WriteJwwData(sink, drawing, 700);
    Bytes expected = {0, 0, 0, 0};
    const Bytes images = Stored(1, {{"PIC.BMP", Pattern(20)}});
    expected.insert(expected.end(), images.begin(), images.end());
    EXPECT_EQ(sink.Bytes(), expected);
}

}  // namespace
}  // namespace drafnova
