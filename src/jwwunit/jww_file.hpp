#pragma once
// Whole JWW files: recognise, load the header of, and save.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "jwtype/drawing.hpp"
#include "jwwunit/byte_io.hpp"

namespace drafnova {

// True when the file's first 8 bytes are "JwwData.". Raises IoError when the
// file cannot be opened.
bool IsJwwFile(const std::string& path);

// Loads the header block of the file into drawing (ClearHeader first). True
// when the whole block was read. Raises IoError when the file cannot be opened.
bool ReadJwwHeader(TDrawing& drawing, const std::string& path);

// Writes the complete file for version. Raises IoError when the file cannot be
// created; gives false (and leaves no file behind) when writing fails later.
// The file is written under a temporary name in the same folder and renamed
// over path only when it is whole, so a file already at path stays as it was
// until then.
bool SaveJww(TDrawing& drawing, const std::string& path, std::int32_t version);

// What a save may do besides writing the file.
using TSaveSinkFilter = std::function<std::unique_ptr<ByteSink>(ByteSink& file)>;
struct TSaveOptions {
    // Not empty: once the new file is whole, a file at path becomes this
    // backup (replacing an older one) just before the new file takes its
    // place. A failed save thus leaves both the old file and its backup as
    // they were. A backup that cannot be made is passed over.
    std::string BackupPath;
    // The writers' bytes go through the sink that Filter returns for the
    // temporary file (a test puts a failing sink there).
    TSaveSinkFilter Filter;
    // Not null: receives the system's reason (CP932) when the save fails.
    std::string* FailureReason = nullptr;
};
bool SaveJww(TDrawing& drawing, const std::string& path, std::int32_t version,
             const TSaveOptions& options);
bool SaveJww(TDrawing& drawing, const std::string& path, std::int32_t version,
             const TSaveSinkFilter& filter);

}  // namespace drafnova
