#include "tools/worksheet/WorksheetCommand.h"

#include <gtest/gtest.h>

namespace {

std::variant<WorksheetCommand, std::string> parse(std::vector<std::string> args)
{
    return parseWorksheetCommand(args);
}

} // namespace

TEST(WorksheetCommand, RefusesMalformedCommandLinesWithOneLine)
{
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--count", "12", "--pdf", "a.pdf"},                               // no topic
        {"--topic", "2786", "--pdf", "a.pdf"},                             // no count
        {"--topic", "2786", "--count", "12"},                              // no output
        {"--topic", "2789", "--count", "12", "--pdf", "a.pdf"},            // no drill
        {"--topic", "99999", "--count", "12", "--pdf", "a.pdf"},           // past 16 bits
        {"--topic", "2786", "--count", "0", "--pdf", "a.pdf"},             // empty sheet
        {"--topic", "2786", "--count", "101", "--pdf", "a.pdf"},           // too many
        {"--topic", "2786", "--count", "1x", "--pdf", "a.pdf"},            // not a number
        {"--topic", "2786", "--count", "2", "--seed", "-1", "--pdf", "a"}, // negative seed
        {"--topic", "2786", "--count", "2", "--variant", "2", "--pdf", "a"},
        {"--topic", "2786", "--count", "2", "--pdf"},                    // value missing
        {"--topic", "2786", "--count", "2", "--pdf", ""},                // empty name
        {"--topic", "2786", "--count", "2", "--pdf", "a", "--png", "b"}, // unknown option
    };
    for (const auto &args : bad) {
        const auto result = parse(args);
        ASSERT_TRUE(std::holds_alternative<std::string>(result)) << args.size();
        const std::string &message = std::get<std::string>(result);
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(message.find('\n'), std::string::npos);
    }
}

TEST(WorksheetCommand, ReadsEveryOption)
{
    const auto result = parse({"--topic", "2786", "--variant", "1", "--count", "100", "--seed",
                               "4294967295", "--title", "期末 復習", "--pdf", "out.pdf"});
    ASSERT_TRUE(std::holds_alternative<WorksheetCommand>(result));
    const WorksheetCommand &cmd = std::get<WorksheetCommand>(result);
    EXPECT_EQ(cmd.topic, 2786);
    EXPECT_EQ(cmd.variant, 1);
    EXPECT_EQ(cmd.count, 100);
    EXPECT_EQ(cmd.seed, 4294967295u);
    EXPECT_EQ(cmd.title, "期末 復習");
    EXPECT_EQ(cmd.pdfFile, "out.pdf");

    const auto clock = parse({"--topic", "2770", "--count", "1", "--pdf", "x.pdf"});
    ASSERT_TRUE(std::holds_alternative<WorksheetCommand>(clock));
    EXPECT_FALSE(std::get<WorksheetCommand>(clock).seed.has_value());
}
