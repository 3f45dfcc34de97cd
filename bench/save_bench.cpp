// SaveJww of drawings of 8, 10 000 and 1 000 000 lines at 7.00, beside the
// I/O floor: the same number of bytes written to a file in 64 KiB blocks,
// created, synced, closed and renamed into place as SaveJww does. After the
// report the program prints SaveJww's share of the floor at each size.
// Also the header block written and read back in memory at each version.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench_support.hpp"
#include "jwwunit/byte_io.hpp"
#include "jwwunit/data_writer.hpp"
#include "jwwunit/header.hpp"
#include "jwwunit/jww_file.hpp"

namespace drafnova::bench {
namespace {

inline constexpr std::int32_t kLineCounts[] = {8, 10'000, 1'000'000};
constexpr std::size_t kBlockSize = 64 * 1024;

ScratchFolder& Folder() {
    static ScratchFolder folder;
    return folder;
}

// The drawing of each size, built once.
const TDrawing& Drawing(std::int32_t lines) {
    static std::map<std::int32_t, TDrawing> drawings;
    auto found = drawings.find(lines);
    if (found == drawings.end()) found = drawings.emplace(lines, DrawingWithLines(lines)).first;
    return found->second;
}

// The size of the file SaveJww writes for the drawing of lines lines.
std::size_t FileSize(std::int32_t lines) {
    static std::map<std::int32_t, std::size_t> sizes;
    auto found = sizes.find(lines);
    if (found == sizes.end()) {
        TDrawing drawing = Drawing(lines);
        MemorySink sink;
        WriteJwwHeader(sink, drawing, 700);
        WriteJwwData(sink, drawing, 700);
        found = sizes.emplace(lines, sink.Bytes().size()).first;
    }
    return found->second;
}

void SaveJwwLines(benchmark::State& state) {
    const auto lines = static_cast<std::int32_t>(state.range(0));
    TDrawing drawing = Drawing(lines);
    const std::string path = Folder() / ("save-" + std::to_string(lines) + ".jww");
    for (auto _ : state) {
        if (!SaveJww(drawing, path, 700)) {
            state.SkipWithError("SaveJww failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(FileSize(lines)));
}

bool Fail(benchmark::State& state, const char* what) {
    state.SkipWithError((std::string(what) + ": " + std::strerror(errno)).c_str());
    return false;
}

// One write of size bytes the way SaveJww puts its file in place: a new
// temporary file, 64 KiB writes, fsync, close, rename over the target, fsync
// of the folder.
bool WriteFloorFile(benchmark::State& state, const std::string& temporary,
                    const std::string& target, const std::vector<char>& block, std::size_t size) {
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return Fail(state, "open");
    for (std::size_t done = 0; done < size;) {
        const std::size_t n = std::min(block.size(), size - done);
        const ssize_t put = ::write(fd, block.data(), n);
        if (put <= 0) {
            ::close(fd);
            return Fail(state, "write");
        }
        done += static_cast<std::size_t>(put);
    }
    if (::fsync(fd) != 0) {
        ::close(fd);
        return Fail(state, "fsync");
    }
    if (::close(fd) != 0) return Fail(state, "close");
    if (::rename(temporary.c_str(), target.c_str()) != 0) return Fail(state, "rename");
    const int folder = ::open(Folder().Path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

void IoFloor(benchmark::State& state) {
    const auto lines = static_cast<std::int32_t>(state.range(0));
    const std::size_t size = FileSize(lines);
    const std::string target = Folder() / ("floor-" + std::to_string(lines) + ".bin");
    const std::string temporary = target + ".tmp";
    std::vector<char> block(kBlockSize, '\x5A');
    for (auto _ : state) {
        if (!WriteFloorFile(state, temporary, target, block, size)) break;
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
}

void HeaderRoundTrip(benchmark::State& state) {
    const auto version = static_cast<std::int32_t>(state.range(0));
    const TDrawing& drawing = Drawing(8);
    TDrawing read;
    std::size_t bytes = 0;
    for (auto _ : state) {
        MemorySink sink;
        WriteJwwHeader(sink, drawing, version);
        ClearHeader(read);
        SizeHeaderTables(read);
        MemorySource source(sink.Bytes());
        if (!ReadJwwHeaderBlock(source, read)) {
            state.SkipWithError("the header did not read back");
            break;
        }
        bytes = sink.Bytes().size();
        benchmark::DoNotOptimize(read.Header.Version);
    }
    // Each byte is written once and read once.
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(2 * bytes));
}

BENCHMARK(HeaderRoundTrip)->Arg(220)->Arg(300)->Arg(420)->Arg(700);

}  // namespace

// Floor and save alternate at each size, so that both see the disk in the
// same state.
void RegisterSaves() {
    for (const std::int32_t lines : kLineCounts) {
        benchmark::RegisterBenchmark("IoFloor", IoFloor)
            ->Arg(lines)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark("SaveJww", SaveJwwLines)
            ->Arg(lines)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

}  // namespace drafnova::bench

int main(int argc, char** argv) {
    drafnova::bench::RegisterSaves();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    drafnova::bench::ThroughputReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const std::int32_t lines : drafnova::bench::kLineCounts) {
        const std::string size = std::to_string(lines);
        const double save = reporter.Median("SaveJww/" + size);
        const double floor = reporter.Median("IoFloor/" + size);
        if (save <= 0.0 || floor <= 0.0) continue;
        constexpr double kMiB = 1024.0 * 1024.0;
        std::printf("SaveJww at %s lines: %.1f MiB/s, I/O floor %.1f MiB/s: %.0f%% of the floor\n",
                    size.c_str(), save / kMiB, floor / kMiB, 100.0 * save / floor);
    }
    benchmark::Shutdown();
    return 0;
}
