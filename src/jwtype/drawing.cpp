#include "jwtype/drawing.hpp"

namespace drafnova {

void ClearHeader(TDrawing& drawing) {
    const std::int32_t entityCount = drawing.Header.EntityCount;
    const std::int32_t blockDefTotal = drawing.Header.BlockDefTotal;
    drawing.Header = THeader{};
    drawing.Header.EntityCount = entityCount;
    drawing.Header.BlockDefTotal = blockDefTotal;

    drawing.LayerGroups.clear();
    drawing.Layers.clear();
    drawing.ColorNos.clear();
    drawing.LineTypeNos.clear();
    drawing.RandomLineNos.clear();
    drawing.DoubleLineTypeNos.clear();
    drawing.ColorExNos.clear();
    drawing.LineTypeExNos.clear();
    drawing.TextStyleNos.clear();

    drawing.EntityOrder.clear();
    drawing.Entities = TEntityLists{};
    drawing.BlockDefs.clear();
    drawing.BlockDefCount = 0;
}

void ClearDrawing(TDrawing& drawing) {
    // Block definitions own their order and lists; ClearHeader releases them
    // together with the top-level lists.
    ClearHeader(drawing);
}

void ClearImageList(TDrawing& drawing) {
    drawing.BindImages.clear();
    drawing.BindImageCount = 0;
}

void SizeHeaderTables(TDrawing& drawing) {
    drawing.LayerGroups.assign(kLayerGroupCount, {});
    drawing.Layers.assign(kLayerCount, {});
    drawing.ColorNos.assign(kColorNoCount, {});
    drawing.LineTypeNos.assign(kLineTypeNoCount, {});
    drawing.RandomLineNos.assign(kRandomLineNoCount, {});
    drawing.DoubleLineTypeNos.assign(kDoubleLineTypeNoCount, {});
    drawing.TextStyleNos.assign(kTextStyleNoCount, {});
    drawing.ColorExNos.assign(kColorExNoCount, {});
    drawing.LineTypeExNos.assign(kLineTypeExNoCount, {});
}

}  // namespace drafnova
