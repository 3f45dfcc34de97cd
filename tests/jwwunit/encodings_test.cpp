#include "jwwunit/encodings.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "jwwunit/byte_io.hpp"

namespace drafnova {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Written(const std::string& text) {
    MemorySink sink;
    WriteJwwString(sink, text);
    return sink.Bytes();
}

Bytes CountWritten(std::uint32_t count) {
    MemorySink sink;
    WriteJwwCount(sink, count);
    return sink.Bytes();
}

Bytes Prefix(const Bytes& bytes, std::size_t size) {
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
}

// A string of n bytes whose bytes tell their position, so that order counts.
std::string Patterned(std::size_t n) {
    std::string text(n, '\0');
    for (std::size_t i = 0; i < n; ++i) text[i] = static_cast<char>('!' + i % 90);
    return text;
}

std::string ReadString(const Bytes& bytes, std::uint64_t* remaining = nullptr) {
    MemorySource source(bytes);
    std::string text = ReadJwwString(source);
    if (remaining != nullptr) *remaining = source.Remaining();
    return text;
}

void Append(Bytes& bytes, std::initializer_list<std::uint8_t> more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
}

// The Unicode form, built by hand: 0xFF, the marker 0xFFFE, the length in
// characters (one byte below 0xFF; else 0xFF and 16 bits below 0xFFFF; else
// 0xFFFF and 32 bits), then UTF-16LE code units.
Bytes UnicodeForm(const std::u16string& text) {
    Bytes bytes{0xFF, 0xFE, 0xFF};
    const std::size_t n = text.size();
    if (n < 0xFF) {
        Append(bytes, {static_cast<std::uint8_t>(n)});
    } else if (n < 0xFFFF) {
        Append(bytes, {0xFF, static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8)});
    } else {
        Append(bytes,
               {0xFF, 0xFF, 0xFF, static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)});
    }
    for (const char16_t unit : text) {
        Append(bytes, {static_cast<std::uint8_t>(unit), static_cast<std::uint8_t>(unit >> 8)});
    }
    return bytes;
}

// ------------------------------------------------------------ WriteJwwString

TEST(WriteJwwString, EmptyStringIsOneZeroByte) { EXPECT_EQ(Written(""), (Bytes{0})); }

TEST(WriteJwwString, ShortStringHasOneLengthByte) {
    EXPECT_EQ(Written("ab"), (Bytes{2, 'a', 'b'}));
    const std::string name = Sj(u8"図面");
    EXPECT_EQ(Written(name), (Bytes{4, 0x90, 0x7D, 0x96, 0xCA}));
}

TEST(WriteJwwString, LengthsAtTheirBoundaries) {
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    const Case cases[] = {
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {256, {0xFF, 0x00, 0x01}},
        {300, {0xFF, 0x2C, 0x01}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        const std::string text = Patterned(c.length);
        const Bytes bytes = Written(text);
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length) << "length " << c.length;
        EXPECT_EQ(Prefix(bytes, c.prefix.size()), c.prefix) << "length " << c.length;
        // All the bytes of the text follow in order.
        EXPECT_EQ(
            std::string(bytes.begin() + static_cast<std::ptrdiff_t>(c.prefix.size()), bytes.end()),
            text)
            << "length " << c.length;
    }
}

TEST(WriteJwwString, TotalSizesOfTheSpecialLengths) {
    EXPECT_EQ(Written(std::string(254, 'a')).size(), 255U);
    EXPECT_EQ(Written(std::string(255, 'a')).size(), 258U);
}

// -------------------------------------------------------------- WriteJwwCount

TEST(WriteJwwCount, SixteenBitsBelow0xFFFFElseAMarkerAnd32Bits) {
    EXPECT_EQ(CountWritten(0), (Bytes{0x00, 0x00}));
    EXPECT_EQ(CountWritten(1), (Bytes{0x01, 0x00}));
    EXPECT_EQ(CountWritten(0x1234), (Bytes{0x34, 0x12}));
    EXPECT_EQ(CountWritten(0xFFFE), (Bytes{0xFE, 0xFF}));
    EXPECT_EQ(CountWritten(0xFFFF), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(CountWritten(0x12345), (Bytes{0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00}));
    EXPECT_EQ(CountWritten(0xFFFFFFFF), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

// ------------------------------------------------------------- ReadJwwString

TEST(ReadJwwString, ReadsBackEveryLengthTheWriterMakes) {
    for (const std::size_t length :
         {std::size_t{0}, std::size_t{1}, std::size_t{254}, std::size_t{255}, std::size_t{256},
          std::size_t{300}, std::size_t{65533}, std::size_t{65534}, std::size_t{65535},
          std::size_t{70000}}) {
        const std::string text = Patterned(length);
        std::uint64_t remaining = 99;
        EXPECT_EQ(ReadString(Written(text), &remaining), text) << "length " << length;
        EXPECT_EQ(remaining, 0U) << "length " << length;
    }
}

TEST(ReadJwwString, LeavesTheBytesAfterTheString) {
    Bytes bytes = Written("abc");
    Append(bytes, {1, 2, 3});
    std::uint64_t remaining = 0;
    EXPECT_EQ(ReadString(bytes, &remaining), "abc");
    EXPECT_EQ(remaining, 3U);
}

TEST(ReadJwwString, SixteenBitLengthForm) {
    Bytes bytes{0xFF, 0x03, 0x00, 'a', 'b', 'c'};  // short text in the long form
    EXPECT_EQ(ReadString(bytes), "abc");
}

TEST(ReadJwwString, ThirtyTwoBitLengthForm) {
    Bytes bytes{0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 'h', 'i'};
    EXPECT_EQ(ReadString(bytes), "hi");
}

TEST(ReadJwwString, EmptyUnicodeFormGivesEmptyText) {
    EXPECT_EQ(UnicodeForm(u""), (Bytes{0xFF, 0xFE, 0xFF, 0x00}));
    EXPECT_EQ(ReadString(UnicodeForm(u"")), "");
}

TEST(ReadJwwString, UnicodeFormGivesShiftJis) {
    const Bytes bytes = UnicodeForm(u"図面A");
    EXPECT_EQ(bytes, (Bytes{0xFF, 0xFE, 0xFF, 0x03, 0xF3, 0x56, 0x62, 0x97, 0x41, 0x00}));
    EXPECT_EQ(ReadString(bytes), Sj(u8"図面A"));
}

TEST(ReadJwwString, UnicodeCharacterWithoutShiftJisFormBecomesQuestionMark) {
    EXPECT_EQ(ReadString(UnicodeForm(u"a\u00E9b")), "a?b");
    EXPECT_EQ(ReadString(UnicodeForm(u"\U0001F600")), "?");  // two code units, one character
    EXPECT_EQ(ReadString(UnicodeForm(u"層\uAC00")), Sj(u8"層") + "?");
    // A surrogate without its partner, as a damaged file may hold.
    const std::u16string lone{u'a', static_cast<char16_t>(0xD800), u'b'};
    EXPECT_EQ(ReadString(UnicodeForm(lone)), "a?b");
}

TEST(ReadJwwString, UnicodeFormWithEscalatedLengths) {
    const std::u16string medium(300, u'あ');
    const Bytes mediumBytes = UnicodeForm(medium);
    EXPECT_EQ(Prefix(mediumBytes, 6), (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}));
    std::string expected;
    for (int i = 0; i < 300; ++i) expected += Sj(u8"あ");
    EXPECT_EQ(ReadString(mediumBytes), expected);

    const std::u16string large(0x10005, u'x');
    const Bytes largeBytes = UnicodeForm(large);
    EXPECT_EQ(Prefix(largeBytes, 10),
              (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x05, 0x00, 0x01, 0x00}));
    EXPECT_EQ(ReadString(largeBytes), std::string(0x10005, 'x'));
}

TEST(ReadJwwString, LengthThatRunsPastTheEndIsAnIoError) {
    const Bytes cases[] = {
        {},                                          // no length at all
        {0x03, 'a', 'b'},                            // one-byte length
        {0xFF, 0x00},                                // 16-bit length cut short
        {0xFF, 0x2C, 0x01, 'a'},                     // 16-bit length
        {0xFF, 0xFF, 0xFF, 0x01, 0x00},              // 32-bit length cut short
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},  // 4 GiB announced, nothing there
        {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00, 'a'},
        {0xFF, 0xFE, 0xFF},                          // Unicode form without its length
        {0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0x42},  // half a code unit missing
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},  // 8 GiB announced
    };
    for (const Bytes& bytes : cases) {
        EXPECT_THROW(ReadString(bytes), IoError) << "case of " << bytes.size() << " bytes";
    }
}

TEST(ReadJwwString, EveryCutOfAValidStringIsAnIoError) {
    for (const Bytes& full : {Written("abc"), Written(Patterned(300)), Written(Patterned(65534)),
                              UnicodeForm(u"図面"), UnicodeForm(std::u16string(300, u'x'))}) {
        for (std::size_t size = 0; size < full.size(); size += 1 + size / 64) {
            EXPECT_THROW(ReadString(Prefix(full, size)), IoError)
                << "cut at " << size << " of " << full.size();
        }
    }
}

// ------------------------------------------------------ byte sink and source

TEST(LittleEndian, IntegersAndDoubles) {
    MemorySink sink;
    WriteInt32(sink, -2);
    WriteInt32(sink, 700);
    WriteDouble(sink, 1.0);
    WriteUInt16(sink, 0xABCD);
    EXPECT_EQ(sink.Bytes(), (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0xBC, 0x02, 0x00, 0x00, 0, 0, 0, 0, 0, 0,
                                   0xF0, 0x3F, 0xCD, 0xAB}));
    MemorySource source(sink.Bytes());
    EXPECT_EQ(ReadInt32(source), -2);
    EXPECT_EQ(ReadInt32(source), 700);
    EXPECT_EQ(ReadDouble(source), 1.0);
    EXPECT_EQ(ReadUInt16(source), 0xABCD);
    EXPECT_EQ(source.Remaining(), 0U);
    EXPECT_THROW(ReadUInt8(source), IoError);
}

TEST(MemorySource, ShortReadIsAnIoError) {
    const Bytes bytes{1, 2, 3};
    MemorySource source(bytes);
    EXPECT_THROW(ReadInt32(source), IoError);
    EXPECT_THROW(ReadBytes(source, std::numeric_limits<std::uint64_t>::max()), IoError);
}

}  // namespace
}  // namespace drafnova
