// Letter case as the program compares names: file names, extensions, kits written into one folder.
#pragma once

#include <algorithm>
#include <string>

/**
 * text with A to Z made a to z. Other bytes stay as they are, whatever the user's locale: a
 * name's bytes need not be text in it, and the comparison must not change with it.
 */
inline std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}
