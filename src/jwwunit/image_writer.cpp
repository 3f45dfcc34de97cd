#include "jwwunit/image_writer.hpp"

#include <algorithm>
#include <array>
#include <limits>
#include <span>

#include "Func_/error.hpp"
#include "Func_/text.hpp"
#include "jwwunit/encodings.hpp"
#include "platform/files.hpp"

namespace drafnova {
namespace {

constexpr std::string_view kReferencePrefix = "^@BM%temp%";
constexpr char kKeyEnd = ',';
constexpr std::size_t kCopyPiece = 2048;

// a to z as A to Z; both bytes of a double-byte character stay as they are.
std::string UpperCaseAscii(std::string_view text) {
    std::string result(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        const auto byte = static_cast<unsigned char>(result[i]);
        if (IsLeadByte(byte)) {
            ++i;
        } else if (byte >= 'a' && byte <= 'z') {
            result[i] = static_cast<char>(byte - 'a' + 'A');
        }
    }
    return result;
}

// The leading count entries of list; RangeError when the count is not a
// number of records the list holds.
template <typename T>
std::span<T> InUse(std::vector<T>& list, std::int32_t count) {
    if (count < 0 || static_cast<std::size_t>(count) > list.size()) {
        throw RangeError("record count outside its list");
    }
    return std::span<T>(list.data(), static_cast<std::size_t>(count));
}

// Marks the first image whose upper-cased name begins with key.
void MarkImage(std::span<TBindImageType> images, const std::string& key) {
    for (TBindImageType& image : images) {
        if (UpperCaseAscii(image.Name).starts_with(key)) {
            image.Used = true;
            return;
        }
    }
}

void MarkReferencedImages(std::span<TBindImageType> images, std::span<TEntMoji> texts) {
    for (const TEntMoji& text : texts) {
        const std::string key = ImageReferenceKey(text.Text);
        if (!key.empty()) MarkImage(images, key);
    }
}

// Writes the file's size and its bytes in pieces of kCopyPiece bytes.
void CopyImageFile(ByteSink& sink, const std::string& path) {
    platform::InputFile file(path);
    const std::uint64_t size = file.Size();
    if (size > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
        throw IoError("image file too large to embed: " + path);
    }
    WriteInt32(sink, static_cast<std::int32_t>(size));
    std::array<std::uint8_t, kCopyPiece> piece{};
    for (std::uint64_t left = size; left > 0;) {
        const std::size_t length =
            static_cast<std::size_t>(std::min<std::uint64_t>(left, kCopyPiece));
        file.Read(piece.data(), length);
        sink.Write(piece.data(), length);
        left -= length;
    }
}

}  // namespace

std::string ImageReferenceKey(std::string_view text) {
    if (text.size() <= kReferencePrefix.size() || !text.starts_with(kReferencePrefix)) return {};
    const std::size_t end = text.find(kKeyEnd);
    if (end == std::string_view::npos) return {};
    return UpperCaseAscii(text.substr(kReferencePrefix.size(), end - kReferencePrefix.size()));
}

void WriteImageSection(ByteSink& sink, TDrawing& drawing) {
    const std::span<TBindImageType> images = InUse(drawing.BindImages, drawing.BindImageCount);
    for (TBindImageType& image : images) image.Used = false;

    MarkReferencedImages(images, InUse(drawing.Entities.Texts, drawing.Entities.TextCount));
    for (TEntBlockDef& block : InUse(drawing.BlockDefs, drawing.BlockDefCount)) {
        MarkReferencedImages(images, InUse(block.Entities.Texts, block.Entities.TextCount));
    }

    std::int32_t count = 0;
    for (TBindImageType& image : images) {
        if (!image.Used) continue;
        if (platform::FileExists(drawing.ImageFolder + image.Name)) {
            ++count;
        } else {
            image.Used = false;
        }
    }
    if (!drawing.EmbedImages) {
        for (TBindImageType& image : images) image.Used = false;
        count = 0;
    }

    WriteInt32(sink, count);
    for (const TBindImageType& image : images) {
        if (!image.Used) continue;
        WriteJwwString(sink, image.Name);
        CopyImageFile(sink, drawing.ImageFolder + image.Name);
    }
}

}  // namespace drafnova
