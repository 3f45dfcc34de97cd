#include "UnitIni/form_lists.hpp"

#include "Func_/cp932.hpp"

namespace drafnova {

const std::array<std::string, kVersionCount>& VersionList() {
    static const std::array<std::string, kVersionCount> list = {
        "2.20", "2.23", "2.25", "2.30", "3.00", "3.51", "4.20", "6.00", "7.00"};
    return list;
}

const std::array<std::string, kPaperCount>& PaperList() {
    static const std::array<std::string, kPaperCount> list = {Sj(u8"A0横"),
                                                              Sj(u8"A0縦"),
                                                              Sj(u8"A1横"),
                                                              Sj(u8"A1縦"),
                                                              Sj(u8"A2横"),
                                                              Sj(u8"A2縦"),
                                                              Sj(u8"A3横"),
                                                              Sj(u8"A3縦"),
                                                              Sj(u8"A4横"),
                                                              Sj(u8"A4縦"),
                                                              Sj(u8"A5横"),
                                                              Sj(u8"A5縦"),
                                                              Sj(u8"B0横"),
                                                              Sj(u8"B0縦"),
                                                              Sj(u8"B1横"),
                                                              Sj(u8"B1縦"),
                                                              Sj(u8"B2横"),
                                                              Sj(u8"B2縦"),
                                                              Sj(u8"B3横"),
                                                              Sj(u8"B3縦"),
                                                              Sj(u8"B4横"),
                                                              Sj(u8"B4縦"),
                                                              Sj(u8"B5横"),
                                                              Sj(u8"B5縦"),
                                                              Sj(u8"B6横"),
                                                              Sj(u8"B6縦"),
                                                              Sj(u8"プリンタ物理サイズ"),
                                                              Sj(u8"プリンタ印刷可能領域")};
    return list;
}

const std::array<std::string, kGroupCount>& GroupList() {
    static const std::array<std::string, kGroupCount> list = {
        "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F"};
    return list;
}

const std::array<std::string, kScaleCount>& ScaleList() {
    static const std::array<std::string, kScaleCount> list = {
        "1/1",    "1/1.5",  "1/2",    "1/2.5",  "1/3",    "1/4",    "1/5",    "1/6",
        "1/10",   "1/15",   "1/20",   "1/25",   "1/30",   "1/40",   "1/50",   "1/60",
        "1/100",  "1/150",  "1/200",  "1/250",  "1/300",  "1/400",  "1/500",  "1/600",
        "1/1000", "1/1500", "1/2000", "1/2500", "1/3000", "1/4000", "1/5000", "1/6000"};
    return list;
}

const std::array<std::string, kLineTypeCount>& LineTypeList() {
    static const std::array<std::string, kLineTypeCount> list = {
        Sj(u8"実線"),     Sj(u8"点線１"),   Sj(u8"点線２"),   Sj(u8"点線３"),  Sj(u8"一点鎖１"),
        Sj(u8"一点鎖２"), Sj(u8"二点鎖１"), Sj(u8"二点鎖２"), Sj(u8"補助線種")};
    return list;
}

const std::array<std::string, kLineColorCount>& LineColorList() {
    static const std::array<std::string, kLineColorCount> list = {
        Sj(u8"線色１"), Sj(u8"線色２"), Sj(u8"線色３"), Sj(u8"線色４"), Sj(u8"線色５"),
        Sj(u8"線色６"), Sj(u8"線色７"), Sj(u8"線色８"), Sj(u8"補助色")};
    return list;
}

const std::array<std::string, kGridOriginCount>& GridOriginList() {
    static const std::array<std::string, kGridOriginCount> list = {
        Sj(u8"画面中央"), Sj(u8"用紙左上"), Sj(u8"用紙右上"), Sj(u8"用紙左下"), Sj(u8"用紙右下")};
    return list;
}

const std::array<std::string, kGridUnitCount>& GridUnitList() {
    static const std::array<std::string, kGridUnitCount> list = {Sj(u8"図寸"), Sj(u8"実寸")};
    return list;
}

const std::array<std::string, kBackColorCount>& BackColorList() {
    static const std::array<std::string, kBackColorCount> list = {Sj(u8"白色"), Sj(u8"黒色"),
                                                                  Sj(u8"深緑")};
    return list;
}

}  // namespace drafnova
