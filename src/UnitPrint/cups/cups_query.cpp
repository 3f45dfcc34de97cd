// The page of a CUPS destination, asked through libcups.

#include <cups/cups.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "UnitPrint/cups/cups_printer.hpp"

namespace drafnova {
namespace {

[[noreturn]] void RaiseNoDefault() {
    throw PrinterError(Sj(u8"デフォルト プリンタが存在しません"));
}

[[noreturn]] void RaiseInvalid() {
    throw PrinterError(Sj(u8"選択したプリンタは有効ではありません"));
}

struct DestFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct InfoFree {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestFree>;
using InfoPtr = std::unique_ptr<cups_dinfo_t, InfoFree>;

// The destination and what the printer says about itself.
struct Destination {
    DestPtr Dest;
    InfoPtr Info;

    // A default set by the user for this destination (lpoptions), or by the
    // administrator as a queue option; nullptr when there is none.
    const char* Option(const char* name) const {
        return cupsGetOption(name, Dest->num_options, Dest->options);
    }
    // The printer's own default ("<name>-default"), nullptr when it has none.
    ipp_attribute_t* PrinterDefault(const char* name) const {
        return cupsFindDestDefault(CUPS_HTTP_DEFAULT, Dest.get(), Info.get(), name);
    }
};

Destination OpenDestination(const std::string& cp932Name) {
    const std::string utf8 = Cp932ToUtf8(cp932Name);
    std::string name = utf8;
    std::string instance;
    if (const auto slash = utf8.find('/'); slash != std::string::npos) {
        name = utf8.substr(0, slash);
        instance = utf8.substr(slash + 1);
    }
    if (!utf8.empty() && name.empty()) RaiseInvalid();

    Destination destination;
    destination.Dest.reset(cupsGetNamedDest(CUPS_HTTP_DEFAULT,
                                            utf8.empty() ? nullptr : name.c_str(),
                                            instance.empty() ? nullptr : instance.c_str()));
    if (!destination.Dest) {
        if (utf8.empty()) RaiseNoDefault();
        RaiseInvalid();
    }
    destination.Info.reset(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, destination.Dest.get()));
    if (!destination.Info) RaiseInvalid();
    return destination;
}

int IntegerMember(ipp_t* collection, const char* name) {
    ipp_attribute_t* attr = ippFindAttribute(collection, name, IPP_TAG_INTEGER);
    return attr ? ippGetInteger(attr, 0) : 0;
}

// A "media-col" collection: size and margins. False when it has no size.
bool PageFromMediaCol(ipp_t* mediaCol, TPrinterPage& page) {
    ipp_attribute_t* sizeAttr = ippFindAttribute(mediaCol, "media-size", IPP_TAG_BEGIN_COLLECTION);
    ipp_t* size = sizeAttr ? ippGetCollection(sizeAttr, 0) : nullptr;
    if (!size) return false;
    ipp_attribute_t* x = ippFindAttribute(size, "x-dimension", IPP_TAG_INTEGER);
    ipp_attribute_t* y = ippFindAttribute(size, "y-dimension", IPP_TAG_INTEGER);
    if (!x || !y) return false;
    page.SheetWidth = ippGetInteger(x, 0);
    page.SheetLength = ippGetInteger(y, 0);
    page.MarginLeft = IntegerMember(mediaCol, "media-left-margin");
    page.MarginRight = IntegerMember(mediaCol, "media-right-margin");
    page.MarginTop = IntegerMember(mediaCol, "media-top-margin");
    page.MarginBottom = IntegerMember(mediaCol, "media-bottom-margin");
    return true;
}

// A media named by keyword ("iso_a4_210x297mm") or by its PPD name ("A4"),
// looked up among the printer's media for its margins.
bool PageFromMediaName(const Destination& destination, const std::string& name,
                       TPrinterPage& page) {
    auto lookUp = [&](const char* keyword, cups_size_t& size) {
        return cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, destination.Dest.get(),
                                      destination.Info.get(), keyword, CUPS_MEDIA_FLAGS_DEFAULT,
                                      &size) != 0;
    };
    cups_size_t size{};
    if (!lookUp(name.c_str(), size)) {
        const pwg_media_t* media = pwgMediaForPPD(name.c_str());
        if (!media || !media->pwg || !lookUp(media->pwg, size)) return false;
    }
    page.SheetWidth = size.width;
    page.SheetLength = size.length;
    page.MarginLeft = size.left;
    page.MarginRight = size.right;
    page.MarginTop = size.top;
    page.MarginBottom = size.bottom;
    return true;
}

// A "media" option may list size, source and type, separated by commas; the
// first entry that names a size counts.
bool PageFromMediaOption(const Destination& destination, std::string_view value,
                         TPrinterPage& page) {
    while (!value.empty()) {
        const auto comma = value.find(',');
        const std::string entry(value.substr(0, comma));
        if (!entry.empty() && PageFromMediaName(destination, entry, page)) return true;
        if (comma == std::string_view::npos) break;
        value.remove_prefix(comma + 1);
    }
    return false;
}

void ReadMedia(const Destination& destination, TPrinterPage& page) {
    for (const char* option : {"media", "PageSize"}) {
        if (const char* value = destination.Option(option);
            value && PageFromMediaOption(destination, value, page))
            return;
    }
    if (ipp_attribute_t* col = destination.PrinterDefault("media-col");
        col && ippGetValueTag(col) == IPP_TAG_BEGIN_COLLECTION &&
        PageFromMediaCol(ippGetCollection(col, 0), page))
        return;
    if (ipp_attribute_t* media = destination.PrinterDefault("media")) {
        const char* name = ippGetString(media, 0, nullptr);
        if (name && PageFromMediaOption(destination, name, page)) return;
    }
    RaiseInvalid();
}

void ReadResolution(const Destination& destination, TPrinterPage& page) {
    for (const char* option : {"printer-resolution", "Resolution"}) {
        const char* value = destination.Option(option);
        if (value && ParseResolutionText(value, page.ResolutionX, page.ResolutionY)) return;
    }
    ipp_attribute_t* attr = destination.PrinterDefault("printer-resolution");
    if (!attr || ippGetValueTag(attr) != IPP_TAG_RESOLUTION) return;  // left at 0: not known
    int y = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    const int x = ippGetResolution(attr, 0, &y, &units);
    if (x <= 0 || y <= 0) return;
    if (units == IPP_RES_PER_CM) {
        const std::optional<int> inchX = DpiFromDotsPerCm(x);
        const std::optional<int> inchY = DpiFromDotsPerCm(y);
        if (!inchX || !inchY) return;
        page.ResolutionX = *inchX;
        page.ResolutionY = *inchY;
    } else {
        page.ResolutionX = x;
        page.ResolutionY = y;
    }
}

// orientation-requested: 3 portrait, 4 landscape, 5 reverse landscape,
// 6 reverse portrait. Both landscapes turn the page.
bool IsLandscapeValue(std::string_view value) {
    return value == "4" || value == "5" || value == "landscape" || value == "reverse-landscape";
}

bool ReadLandscape(const Destination& destination) {
    if (const char* value = destination.Option("orientation-requested"))
        return IsLandscapeValue(value);
    if (const char* value = destination.Option("landscape")) {
        const std::string_view text(value);
        return text != "false" && text != "no" && text != "off";
    }
    ipp_attribute_t* attr = destination.PrinterDefault("orientation-requested");
    if (!attr) return false;
    const ipp_tag_t tag = ippGetValueTag(attr);
    if (tag != IPP_TAG_ENUM && tag != IPP_TAG_INTEGER) return false;  // no-value: portrait
    const int value = ippGetInteger(attr, 0);
    return value == 4 || value == 5;
}

}  // namespace

TPageMetrics TCupsPrinter::AskPage() const {
    const Destination destination = OpenDestination(printerName_);
    TPrinterPage page;
    ReadMedia(destination, page);
    ReadResolution(destination, page);
    page.Landscape = ReadLandscape(destination);
    return PageMetricsFor(page);
}

}  // namespace drafnova
