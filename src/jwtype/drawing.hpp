#pragma once
// The drawing model: one drawing, owned by the front end and passed by
// reference to everything that reads or changes it.

#include <cstdint>
#include <string>
#include <vector>

#include "jwtype/entities.hpp"
#include "jwtype/header.hpp"
#include "jwtype/tables.hpp"

namespace drafnova {

struct TDrawing {
    THeader Header;

    // The nine header tables; empty after ClearHeader, full length
    // (SizeHeaderTables) before a header is written or read.
    std::vector<TLayerGroup> LayerGroups;
    std::vector<TLayer> Layers;
    std::vector<TColorNo> ColorNos;
    std::vector<TLineTypeNo> LineTypeNos;
    std::vector<TRandomLineNo> RandomLineNos;
    std::vector<TLineTypeNo> DoubleLineTypeNos;
    std::vector<TColorExNo> ColorExNos;
    std::vector<TLineTypeExNo> LineTypeExNos;
    std::vector<TTextStyleNo> TextStyleNos;

    // Top-level entities: the drawing order and the seven lists.
    std::vector<TEntIndex> EntityOrder;
    TEntityLists Entities;

    std::vector<TEntBlockDef> BlockDefs;
    std::int32_t BlockDefCount = 0;

    // Images that texts refer to (stored at version 7.00 when embedding is on).
    std::vector<TBindImageType> BindImages;
    std::int32_t BindImageCount = 0;
    std::string ImageFolder;  // ends with a path separator
    bool EmbedImages = false;
};

// Resets every header field to its reset value (EntityCount and BlockDefTotal
// stay), empties the nine tables, the drawing order, the entity lists and the
// block definitions.
void ClearHeader(TDrawing& drawing);

// Resets the whole drawing, block definitions included.
void ClearDrawing(TDrawing& drawing);

// Empties the image list.
void ClearImageList(TDrawing& drawing);

// Gives the nine header tables their fixed lengths, every element zero.
void SizeHeaderTables(TDrawing& drawing);

}  // namespace drafnova
