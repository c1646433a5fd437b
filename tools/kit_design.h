// What a kit looks like: its pattern, its colours by role, and how its FIFA 99 archive is stored.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/rgb.h"

struct KitDesign {
    enum class Pattern { Plain, VerticalStripes, Hoops, Halves };
    enum class Neck { Crew, VNeck };
    /** Colour roles; each is one base colour of the kit's tone palette. */
    enum Role {
        Body,
        Second,
        Sleeve,
        Trim,
        Number,
        BadgeField,
        BadgeMark,
        Shorts,
        Socks,
        RoleCount
    };

    std::string fileName;
    std::string directoryId = "GIMX";
    Pattern pattern = Pattern::Plain;
    int bands = 1;  // stripes across the shirt, or hoops down it
    Neck neck = Neck::Crew;
    std::array<Rgb, RoleCount> colours{};

    // Shading: tones per colour and how far they reach below and above the base colour.
    int tones = 4;
    double darkest = -0.36;
    double highlight = 0.12;
    double fade = 0;  // how much darker the shirt gets from collar to hem

    int number = -1;  // the back number, -1 for a blank back
    bool badge = true;
    bool numberPanel = false;    // a patch of the second colour behind the back number
    bool sleeveStripe = false;   // a trim stripe down the outside of the sleeve
    bool hoopedSleeves = false;  // the hoops carry on round the sleeves
    int pinstripes = 0;          // thin trim lines down the shirt, over the pattern

    std::uint8_t paletteCode = 0x2A;
    /** One palette of all the kit's tones in every picture, or each picture its own colours. */
    bool sharedPalette = true;
    /** The 14 tags in directory order. */
    std::vector<std::string> entryOrder;
};
