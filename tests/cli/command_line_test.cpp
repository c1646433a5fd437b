// vestrix-convert's arguments, its help text against its manual page, and the progress line.
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "cli/terminal_progress.h"

TEST(CommandLine, AcceptsTheUsualForms) {
    std::string error;
    const CommandLine one =
        CommandLine::parse({"--64-color", "-oout.fsh", "--force", "-q", "kit.fsh"}, error);
    EXPECT_EQ(error, "");
    EXPECT_TRUE(one.sixtyFourColors && one.force && one.quiet);
    EXPECT_EQ(one.outputFile, "out.fsh");
    EXPECT_EQ(one.inputs, std::vector<std::string>{"kit.fsh"});

    const CommandLine many =
        CommandLine::parse({"--resources=res", "--previews", "prev", "--output-dir=out", "a.fsh",
                            "--", "-b.fsh", "--force"},
                           error);
    EXPECT_EQ(error, "");
    EXPECT_FALSE(many.force);
    EXPECT_EQ(many.resourcesFolder, "res");
    EXPECT_EQ(many.previewsFolder, "prev");
    EXPECT_EQ(many.outputFolder, "out");
    EXPECT_EQ(many.inputs, (std::vector<std::string>{"a.fsh", "-b.fsh", "--force"}));

    EXPECT_TRUE(CommandLine::parse({"--help"}, error).help);
    EXPECT_TRUE(CommandLine::parse({"--version"}, error).version);
}

TEST(CommandLine, ExplainsWhatIsWrong) {
    const std::vector<std::vector<std::string>> wrong = {
        {},           // nothing to convert
        {"kit.fsh"},  // nowhere to write
        {"-o", "x.fsh", "-d", "out", "kit.fsh"},
        {"-o", "x.fsh", "a.fsh", "b.fsh"},          // -o takes one kit
        {"-o", "x.fsh", "-o", "y.fsh", "kit.fsh"},  // which one?
        {"-d"},                                     // missing value
        {"--colour", "-d", "out", "kit.fsh"},
    };
    for (const auto& arguments : wrong) {
        std::string error;
        CommandLine::parse(arguments, error);
        EXPECT_NE(error, "") << testing::PrintToString(arguments);
    }
}

TEST(CommandLine, TheManualPageDescribesEveryOptionOfTheHelpText) {
    std::ifstream in(VESTRIX_SOURCE_DIR "/cli/vestrix-convert.1");
    const std::string manual(std::istreambuf_iterator<char>(in), {});
    ASSERT_FALSE(manual.empty());
    auto options = [](const std::string& text) {
        std::set<std::string> found;
        const std::regex option(R"((^|[\s,\["])(\\?-\\?-?[a-z0-9][a-z0-9\\-]*))");
        for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it) {
            std::string name = (*it)[2];
            std::erase(name, '\\');
            found.insert(name);
        }
        return found;
    };
    const std::set<std::string> inHelp = options(CommandLine::usage());
    EXPECT_EQ(options(manual), inHelp);
    EXPECT_TRUE(inHelp.contains("--output-dir") && inHelp.contains("-q"));
}

TEST(TerminalProgress, ShowsTheFileNameWithinTheTerminalWidth) {
    EXPECT_EQ(TerminalProgress::line(5, 10, "stripes.fsh", 80),
              "[" + std::string(13, '#') + std::string(13, ' ') + "] 5/10 stripes.fsh");
    for (const int columns : {20, 40, 200}) {
        const std::string line =
            TerminalProgress::line(3, 7, "a-very-long-kit-name-of-a-club.fsh", columns);
        EXPECT_LT(line.size(), static_cast<std::size_t>(columns));
    }
    EXPECT_EQ(TerminalProgress::line(10, 10, "x.fsh", 200).substr(0, 32),
              "[" + std::string(30, '#') + "]");
}
