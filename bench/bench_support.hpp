#pragma once
// What the benchmark programs share: a scratch folder on the disk the user
// would save to, drawings of a given size, and a main that, after the usual
// report, sets SaveJww's throughput against the I/O floor of the same run.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "builder/defaults.hpp"
#include "jwtype/drawing.hpp"

namespace drafnova::bench {

// A fresh folder in the current directory (so on the disk of the build, not
// in memory), ending with "/", removed when the program ends.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string name = (std::filesystem::current_path() / "drafnova-bench-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr) {
            std::perror("mkdtemp");
            std::exit(2);
        }
        native_ = name;
        path_ = name + "/";
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(native_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // An ASCII path inside the folder: the same text in CP932 and UTF-8.
    std::string operator/(const std::string& name) const { return path_ + name; }
    const std::string& Path() const { return path_; }

private:
    std::filesystem::path native_;
    std::string path_;
};

// The default tables of a new white drawing, as the create command sets them.
inline void SetDefaultTables(TDrawing& drawing) {
    ClearDrawing(drawing);
    SizeHeaderTables(drawing);
    SetLayerDefaults(drawing, 0);
    SetColorDefaults(drawing, 0);
    SetLineTypeDefaults(drawing);
    SetTextStyleDefaults(drawing);
    SetMiscDefaults(drawing);
    drawing.Header.Signature = "JwwData.";
}

// The default drawing with lines lines: a fan of segments over an A1 sheet in
// the eight line colours, on the 16 layers of group 0.
inline TDrawing DrawingWithLines(std::int32_t lines) {
    TDrawing drawing;
    SetDefaultTables(drawing);
    TEntityLists& lists = drawing.Entities;
    lists.Lines.resize(static_cast<std::size_t>(lines));
    drawing.EntityOrder.resize(static_cast<std::size_t>(lines));
    for (std::int32_t i = 0; i < lines; ++i) {
        TEntSen& line = lists.Lines[static_cast<std::size_t>(i)];
        line.Attr.LineType = 1;
        line.Attr.Color = static_cast<std::uint16_t>(1 + i % 8);
        line.Attr.Layer = static_cast<std::uint16_t>(i % 16);
        line.StartX = -420.0 + (i % 841);
        line.StartY = -297.0 + (i % 595) * 0.5;
        line.EndX = line.StartX + 10.25;
        line.EndY = line.StartY - 3.125;
        drawing.EntityOrder[static_cast<std::size_t>(i)] = {kKindLine, i};
    }
    lists.LineCount = lines;
    drawing.Header.EntityCount = lines;
    return drawing;
}

// Prints the usual console report and keeps each run's bytes per second.
class ThroughputReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
            const auto rate = run.counters.find("bytes_per_second");
            if (rate == run.counters.end()) continue;
            Rates& rates = rates_[run.run_name.function_name + "/" + run.run_name.args];
            rates.push_back(rate->second.value);
        }
    }

    // The median bytes per second of the runs of name ("SaveJww/1000000"),
    // or 0 when it did not run.
    double Median(const std::string& name) const {
        const auto found = rates_.find(name);
        if (found == rates_.end() || found->second.empty()) return 0.0;
        Rates rates = found->second;
        std::sort(rates.begin(), rates.end());
        return rates[rates.size() / 2];
    }

private:
    using Rates = std::vector<double>;
    std::map<std::string, Rates> rates_;
};

}  // namespace drafnova::bench
