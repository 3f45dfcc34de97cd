#pragma once
// Small drawings and byte helpers shared by the data section tests.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "jwtype/drawing.hpp"
#include "jwwunit/byte_io.hpp"

namespace drafnova::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

inline std::uint16_t U16At(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}

inline std::uint32_t U32At(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(U16At(bytes, at)) |
           (static_cast<std::uint32_t>(U16At(bytes, at + 2)) << 16);
}

inline double DoubleAt(const Bytes& bytes, std::size_t at) {
    const std::uint64_t bits =
        U32At(bytes, at) | (static_cast<std::uint64_t>(U32At(bytes, at + 4)) << 32);
    return std::bit_cast<double>(bits);
}

inline Bytes Slice(const Bytes& bytes, std::size_t at, std::size_t length) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                 bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
}

inline TEntAttr Attr(std::uint8_t lineType, std::uint16_t color) {
    TEntAttr attr;
    attr.LineType = lineType;
    attr.Color = color;
    return attr;
}

inline TEntSen Line(double x1, double y1, double x2, double y2) {
    TEntSen line;
    line.Attr = Attr(1, 1);
    line.StartX = x1;
    line.StartY = y1;
    line.EndX = x2;
    line.EndY = y2;
    return line;
}

// Appends a record to the list of its kind and the entry to the drawing order.
template <typename T>
void Append(std::vector<T>& list, std::int32_t& count, std::vector<TEntIndex>& order,
            std::int32_t kind, const T& record) {
    list.push_back(record);
    order.push_back({kind, count});
    ++count;
}

inline void AddLine(TDrawing& d, const TEntSen& line = Line(0, 0, 1, 1)) {
    Append(d.Entities.Lines, d.Entities.LineCount, d.EntityOrder, kKindLine, line);
    ++d.Header.EntityCount;
}

inline void AddArc(TDrawing& d, const TEntEnko& arc = {Attr(1, 1)}) {
    Append(d.Entities.Arcs, d.Entities.ArcCount, d.EntityOrder, kKindArc, arc);
    ++d.Header.EntityCount;
}

inline void AddPoint(TDrawing& d, const TEntTen& point = {Attr(1, 1)}) {
    Append(d.Entities.Points, d.Entities.PointCount, d.EntityOrder, kKindPoint, point);
    ++d.Header.EntityCount;
}

inline void AddText(TDrawing& d, const TEntMoji& text) {
    Append(d.Entities.Texts, d.Entities.TextCount, d.EntityOrder, kKindText, text);
    ++d.Header.EntityCount;
}

inline void AddDimension(TDrawing& d, const TEntSunpo& dimension) {
    Append(d.Entities.Dimensions, d.Entities.DimensionCount, d.EntityOrder, kKindDimension,
           dimension);
    ++d.Header.EntityCount;
}

// The frame of an A4 landscape sheet, as the builder draws it.
inline TDrawing FourLines() {
    TDrawing d;
    AddLine(d, Line(-210.0, 148.5, 210.0, 148.5));
    AddLine(d, Line(210.0, 148.5, 210.0, -148.5));
    AddLine(d, Line(210.0, -148.5, -210.0, -148.5));
    AddLine(d, Line(-210.0, -148.5, -210.0, 148.5));
    return d;
}

// A sink that counts bytes and keeps none: for the large drawings.
class CountingSink final : public ByteSink {
public:
    void Write(const void*, std::size_t size) override { size_ += size; }
    std::size_t Size() const { return size_; }

private:
    std::size_t size_ = 0;
};

}  // namespace drafnova::testing
