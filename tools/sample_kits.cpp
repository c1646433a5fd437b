// The sample jerseys. Between them they cover what a converter meets in real FIFA 99 files:
// both palette block types (0x2A blue-green-red-alpha, 0x24 red-green-blue), one palette shared
// by every picture or each picture with its own, and two directory orders. Three stay well under
// the 64 colours FIFA 2000 can add to its palette; shaded_halves deliberately has more than 64
// clearly different colours on its front, so the palette runs out of free slots.
#include "tools/sample_kits.h"

#include "tools/sample_builder.h"

namespace SampleKits {
namespace {

std::vector<std::string> standardOrder() {
    std::vector<std::string> order;
    for (std::string_view tag : SampleBuilder::standardEntryOrder()) order.emplace_back(tag);
    return order;
}

KitDesign stripes() {
    KitDesign kit;
    kit.fileName = "stripes.fsh";
    kit.pattern = KitDesign::Pattern::VerticalStripes;
    kit.bands = 9;
    kit.neck = KitDesign::Neck::Crew;
    kit.colours[KitDesign::Body] = {200, 25, 35};
    kit.colours[KitDesign::Second] = {245, 245, 245};
    kit.colours[KitDesign::Sleeve] = {200, 25, 35};
    kit.colours[KitDesign::Trim] = {25, 25, 25};
    kit.colours[KitDesign::Number] = {25, 25, 25};
    kit.colours[KitDesign::BadgeField] = {230, 180, 40};
    kit.colours[KitDesign::BadgeMark] = {200, 25, 35};
    kit.colours[KitDesign::Shorts] = {30, 30, 30};
    kit.colours[KitDesign::Socks] = {200, 25, 35};
    kit.number = 9;
    kit.paletteCode = 0x2A;
    kit.sharedPalette = true;
    kit.entryOrder = standardOrder();
    return kit;
}

KitDesign hoops() {
    KitDesign kit;
    kit.fileName = "hoops.fsh";
    kit.pattern = KitDesign::Pattern::Hoops;
    kit.bands = 8;
    kit.neck = KitDesign::Neck::VNeck;
    kit.colours[KitDesign::Body] = {20, 140, 60};
    kit.colours[KitDesign::Second] = {250, 250, 250};
    kit.colours[KitDesign::Sleeve] = {20, 140, 60};
    kit.colours[KitDesign::Trim] = {15, 80, 45};
    kit.colours[KitDesign::Number] = {15, 80, 45};
    kit.colours[KitDesign::BadgeField] = {250, 250, 250};
    kit.colours[KitDesign::BadgeMark] = {20, 140, 60};
    kit.colours[KitDesign::Shorts] = {250, 250, 250};
    kit.colours[KitDesign::Socks] = {250, 250, 250};
    kit.number = 7;
    kit.numberPanel = true;
    kit.hoopedSleeves = true;
    kit.paletteCode = 0x24;
    kit.sharedPalette = false;
    kit.entryOrder = standardOrder();
    return kit;
}

KitDesign plainSleeves() {
    KitDesign kit;
    kit.fileName = "plain_sleeves.fsh";
    kit.pattern = KitDesign::Pattern::Plain;
    kit.neck = KitDesign::Neck::Crew;
    kit.colours[KitDesign::Body] = {30, 60, 170};
    kit.colours[KitDesign::Second] = {30, 60, 170};
    kit.colours[KitDesign::Sleeve] = {245, 245, 245};
    kit.colours[KitDesign::Trim] = {20, 30, 90};
    kit.colours[KitDesign::Number] = {245, 245, 245};
    kit.colours[KitDesign::BadgeField] = {245, 245, 245};
    kit.colours[KitDesign::BadgeMark] = {20, 30, 90};
    kit.colours[KitDesign::Shorts] = {245, 245, 245};
    kit.colours[KitDesign::Socks] = {20, 30, 90};
    kit.number = 4;
    kit.sleeveStripe = true;
    kit.paletteCode = 0x2A;
    kit.sharedPalette = false;
    // Grouped by garment rather than by size, as some editors save them.
    kit.entryOrder = {"hrsv", "mrsv", "lrsv", "hjfr", "mjfr", "ljfr", "hjbk",
                      "mjbk", "ljbk", "hsht", "lsht", "hsck", "lsck", "nmbr"};
    return kit;
}

KitDesign shadedHalves() {
    KitDesign kit;
    kit.fileName = "shaded_halves.fsh";
    kit.pattern = KitDesign::Pattern::Halves;
    kit.neck = KitDesign::Neck::VNeck;
    kit.colours[KitDesign::Body] = {235, 110, 25};
    kit.colours[KitDesign::Second] = {40, 90, 200};
    kit.colours[KitDesign::Sleeve] = {240, 240, 240};
    kit.colours[KitDesign::Trim] = {230, 190, 60};
    kit.colours[KitDesign::Number] = {245, 245, 245};
    kit.colours[KitDesign::BadgeField] = {40, 90, 200};
    kit.colours[KitDesign::BadgeMark] = {235, 110, 25};
    kit.colours[KitDesign::Shorts] = {40, 90, 200};
    kit.colours[KitDesign::Socks] = {235, 110, 25};
    // Fine shading over a wide range: many tones, each clearly apart from the next.
    kit.tones = 28;
    kit.darkest = -0.75;
    kit.highlight = 0.35;
    kit.fade = 0.25;
    kit.pinstripes = 6;
    kit.number = 11;
    kit.paletteCode = 0x24;
    kit.sharedPalette = true;
    kit.entryOrder = standardOrder();
    return kit;
}

}  // namespace

std::vector<KitDesign> all() { return {stripes(), hoops(), plainSleeves(), shadedHalves()}; }

}  // namespace SampleKits
