// Field reading shared by the palette and the settings file.
#include "conversion/text_field_reader.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> allFields(std::string_view text) {
    TextFieldReader reader(text);
    std::vector<std::string> fields;
    while (auto field = reader.next()) fields.push_back(*field);
    return fields;
}
}  // namespace

TEST(TextFieldReader, SplitsLikeTheFilesAreWritten) {
    struct Case {
        std::string_view text;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"\"C:\\Kits\\club.fsh\"\r\n\"\"\r\n", {"C:\\Kits\\club.fsh", ""}},
        {"\"a,b\"\r\n\"c\"\r\n", {"a,b", "c"}},  // commas inside quotes belong to it
        {"JASC-PAL\n0100\n2\n1 2 3\n4 5 6\n", {"JASC-PAL", "0100", "2", "1 2 3", "4 5 6"}},
        {"one,two\rthree", {"one", "two", "three"}},  // comma and lone CR end fields too
        {"   padded  \r\n", {"padded"}},
        {"\"unclosed", {"unclosed"}},
        {"\"x\" trailing,next", {"x", "next"}},  // text after the closing quote is dropped
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(allFields(c.text), c.fields) << c.text;
}
