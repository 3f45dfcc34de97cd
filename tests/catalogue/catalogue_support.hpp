#pragma once
// What the bad-input catalogue shares: drafnova-cli run as a user runs it (a
// process, no terminal, optionally under a file size limit that makes the
// disk refuse bytes), a record of a folder to prove that nothing was lost,
// and JWW files made from the default drawing to be spoiled.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "builder/defaults.hpp"
#include "jwtype/drawing.hpp"
#include "jwwunit/byte_io.hpp"
#include "jwwunit/header.hpp"
#include "support/temp_folder.hpp"

namespace drafnova::testing {

// The default white drawing's header as the create command sets it, with
// one value of its own (DimensionSettings[0]) to tell a taken-over header.
inline TDrawing SourceDrawing() {
    TDrawing drawing;
    ClearDrawing(drawing);
    SizeHeaderTables(drawing);
    SetLayerDefaults(drawing, 0);
    SetColorDefaults(drawing, 1);  // the black table: not what a new drawing gets
    SetLineTypeDefaults(drawing);
    SetTextStyleDefaults(drawing);
    SetMiscDefaults(drawing);
    drawing.Header.Signature = "JwwData.";
    drawing.Header.DimensionSettings[0] = 4242;
    return drawing;
}

inline std::vector<std::uint8_t> HeaderBytes(const TDrawing& drawing, std::int32_t version) {
    MemorySink sink;
    WriteJwwHeader(sink, drawing, version);
    return sink.Bytes();
}

inline void PutInt32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes.at(at + i) = static_cast<std::uint8_t>(value >> 8 * i);
}

// The files and folders under a folder (paths relative to it, UTF-8), with
// each file's bytes; a folder is recorded as "<folder>".
using TFolderRecord = std::map<std::string, std::string>;

inline TFolderRecord RecordFolder(const TempFolder& folder) {
    TFolderRecord record;
    const std::filesystem::path root = NativePath(folder.Path());
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::u8string name = entry.path().lexically_relative(root).u8string();
        std::string key(name.begin(), name.end());
        if (entry.is_directory()) {
            record[key] = "<folder>";
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            record[key] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return record;
}

// True when a temporary file of a save is left anywhere in the record.
inline bool HoldsTemporaryFiles(const TFolderRecord& record) {
    for (const auto& [name, bytes] : record) {
        if (name.find("~drafnova-save-") != std::string::npos || name.ends_with(".tmp")) {
            return true;
        }
    }
    return false;
}

struct TCliResult {
    int Exit = -1;
    std::string Out;  // UTF-8
    std::string Err;  // UTF-8
};

// Runs drafnova-cli in folder with UTF-8 arguments, standard input from
// /dev/null and no display. fileSizeLimit > 0 makes the system refuse every
// byte of a file beyond that size (SIGXFSZ ignored), as a full disk would.
TCliResult RunCli(const TempFolder& folder, const std::vector<std::string>& arguments,
                  long fileSizeLimit = 0);

}  // namespace drafnova::testing
