// vestrix-convert's arguments.
#include <gtest/gtest.h>

#include "command_line.h"

TEST(CommandLine, AcceptsTheDocumentedForms) {
    std::string error;
    const CommandLine one = CommandLine::parse({"--64-color", "-o", "out.fsh", "kit.fsh"}, error);
    EXPECT_EQ(error, "");
    EXPECT_TRUE(one.sixtyFourColors);
    EXPECT_EQ(one.outputFile, "out.fsh");
    EXPECT_EQ(one.inputs, std::vector<std::string>{"kit.fsh"});

    const CommandLine many = CommandLine::parse(
        {"--resources", "res", "--previews", "prev", "-d", "out", "a.fsh", "--", "-b.fsh"}, error);
    EXPECT_EQ(error, "");
    EXPECT_FALSE(many.sixtyFourColors);
    EXPECT_EQ(many.resourcesFolder, "res");
    EXPECT_EQ(many.previewsFolder, "prev");
    EXPECT_EQ(many.inputs, (std::vector<std::string>{"a.fsh", "-b.fsh"}));

    EXPECT_TRUE(CommandLine::parse({"--help"}, error).help);
    EXPECT_TRUE(CommandLine::parse({"--version"}, error).version);
}

TEST(CommandLine, ExplainsWhatIsWrong) {
    const std::vector<std::vector<std::string>> wrong = {
        {},                                   // nothing to convert
        {"kit.fsh"},                          // nowhere to write
        {"-o", "x.fsh", "-d", "out", "kit.fsh"},
        {"-o", "x.fsh", "a.fsh", "b.fsh"},    // -o takes one input
        {"-d"},                               // missing value
        {"--colour", "-d", "out", "kit.fsh"},
    };
    for (const auto& arguments : wrong) {
        std::string error;
        CommandLine::parse(arguments, error);
        EXPECT_NE(error, "") << testing::PrintToString(arguments);
    }
}
