// Arbitrary bytes as a JWW file: IsJwwFile and ReadJwwHeader on the file, and
// the header reader on the same bytes in memory. Neither may crash, raise or
// allocate beyond the input; the two readers must leave the same model; and a
// header that was read must write a block that reads back whole.

#include <cstdint>
#include <string_view>
#include <vector>

#include "Func_/error.hpp"
#include "fuzz_support.hpp"
#include "jwtype/drawing.hpp"
#include "jwwunit/byte_io.hpp"
#include "jwwunit/header.hpp"
#include "jwwunit/jww_file.hpp"

namespace {

using drafnova::TDrawing;

// The model as the newest layout writes it: every field it holds.
std::vector<std::uint8_t> Written(const TDrawing& drawing) {
    drafnova::MemorySink sink;
    drafnova::WriteJwwHeader(sink, drawing, 700);
    return sink.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drafnova;
    const std::string path = fuzz::ScratchFolder() + "input.jww";
    fuzz::WriteWholeFile(path, data, size);

    std::string_view head(reinterpret_cast<const char*>(data), size < 8 ? size : 8);
    head = head.substr(0, head.find('\0'));
    const bool signature = size >= 8 && head == "JwwData.";
    FUZZ_CHECK(IsJwwFile(path) == signature);

    TDrawing fromFile;
    const bool fileRead = ReadJwwHeader(fromFile, path);

    TDrawing fromMemory;
    ClearHeader(fromMemory);
    SizeHeaderTables(fromMemory);
    MemorySource source({data, size});
    bool memoryRead = false;
    try {
        memoryRead = ReadJwwHeaderBlock(source, fromMemory);
    } catch (const IoError&) {
        // Cut short or a length past the end: the fields read so far stay.
    }
    FUZZ_CHECK(fileRead == memoryRead);
    FUZZ_CHECK(fromFile.Header.Version == fromMemory.Header.Version);
    FUZZ_CHECK(fromFile.Header.Signature == fromMemory.Header.Signature);
    const std::vector<std::uint8_t> block = Written(fromFile);
    FUZZ_CHECK(block == Written(fromMemory));

    if (fileRead) {
        // What was read is a model the writer accepts, and its block is whole.
        TDrawing again;
        ClearHeader(again);
        SizeHeaderTables(again);
        MemorySource written(block);
        FUZZ_CHECK(ReadJwwHeaderBlock(written, again));
        FUZZ_CHECK(written.Remaining() == 0);
        FUZZ_CHECK(again.Header.Version == 700);
    }
    return 0;
}
