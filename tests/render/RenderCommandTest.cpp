#include "tools/render/RenderCommand.h"
#include "tools/render/RenderTargets.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::variant<RenderCommand, std::string> parse(std::initializer_list<const char *> args)
{
    return parseRenderCommand(std::vector<std::string>(args.begin(), args.end()));
}

} // namespace

TEST(RenderCommand, RefusesMalformedCommandLinesWithOneLine)
{
    const std::vector<std::vector<const char *>> bad = {
        {},
        {"--png", "x.png"},                           // no target
        {"--lesson"},                                 // value missing
        {"--lesson", "27x"},                          // malformed id
        {"--lesson", "2768", "--about"},              // two targets
        {"--lesson", "2768", "--bogus", "1"},         // unknown option
        {"--lesson", "2768", "--set", "101"},         // no '='
        {"--lesson", "2768", "--click", "3"},         // no comma
        {"--lesson", "2768", "--drag", "1,2"},        // a drag needs two points
        {"--lesson", "2768", "--drag", "1,2:3"},      // malformed point
        {"--lesson", "2768", "--size", "0x5"},        // empty size
        {"--lesson", "2768", "--seed", "-1"},         // negative seed
        {"--lesson", "2768", "--seed", "4294967296"}, // past 32 bits
        {"--lesson", "2768", "--seed", "12ab"},       // not a number
        {"--formula", "x", "--as", "spiral"},         // unknown kind
    };
    for (const auto &args : bad) {
        const auto result = parseRenderCommand(std::vector<std::string>(args.begin(), args.end()));
        ASSERT_TRUE(std::holds_alternative<std::string>(result)) << args.size();
        const std::string &message = std::get<std::string>(result);
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(message.find('\n'), std::string::npos);
    }
}

TEST(RenderCommand, ReadsTargetsEventsAndOutputsInOrder)
{
    const auto result =
        parse({"--lesson", "2769",        "--seed", "7",        "--set", "101=1/2", "--press",
               "104",      "--select",    "200=3",  "--scroll", "500=1", "--click", "10,-20",
               "--drag",   "1,2:3,4:5,6", "--png",  "a.png",    "--ops", "-"});
    ASSERT_TRUE(std::holds_alternative<RenderCommand>(result));
    const RenderCommand &cmd = std::get<RenderCommand>(result);
    using Kind = RenderCommand::Event::Kind;
    EXPECT_EQ(cmd.target, RenderCommand::Target::Lesson);
    EXPECT_EQ(cmd.targetId, 2769);
    EXPECT_EQ(cmd.seed, 7u);
    ASSERT_EQ(cmd.events.size(), 6u);
    EXPECT_EQ(cmd.events[0].kind, Kind::Set);
    EXPECT_EQ(cmd.events[0].text, "1/2"); // everything after the first '='
    EXPECT_EQ(cmd.events[2].value, 3);
    EXPECT_EQ(cmd.events[4].points, (std::vector<std::pair<int, int>>{{10, -20}}));
    EXPECT_EQ(cmd.events[5].points.size(), 3u);
    EXPECT_EQ(cmd.pngFile, "a.png");
    EXPECT_EQ(cmd.opsFile, "-");
}

TEST(RenderCommand, SeedTakesTheWholeUnsigned32BitRange)
{
    for (const char *seed : {"0", "2147483648", "4294967295"}) {
        const auto result = parse({"--drill", "2786", "--seed", seed});
        ASSERT_TRUE(std::holds_alternative<RenderCommand>(result)) << seed;
        EXPECT_EQ(std::get<RenderCommand>(result).seed, std::stoul(seed)) << seed;
    }
}

TEST(RenderTargets, UnknownIdsExitWithStatusTwo)
{
    struct Row
    {
        std::vector<const char *> args;
        int status;
    };
    const std::filesystem::path controls =
        std::filesystem::temp_directory_path() / "tessaryn-render-controls.txt";
    const std::string controlsFile = controls.string();
    const Row rows[] = {
        {{"--lesson", "9999"}, 2},
        {{"--lesson", "2769", "--press", "999"}, 2},
        {{"--lesson", "2769", "--set", "999=1"}, 2},
        {{"--lesson", "2769", "--select", "101=0"}, 2},
        {{"--lesson", "2769", "--command", "2774"}, 2},
        {{"--lesson", "2769", "--set", "101=2", "--press", "104", "--controls",
          controlsFile.c_str()},
         0},
        {{"--about"}, 0},
    };
    for (const Row &row : rows) {
        const auto parsed =
            parseRenderCommand(std::vector<std::string>(row.args.begin(), row.args.end()));
        ASSERT_TRUE(std::holds_alternative<RenderCommand>(parsed)) << row.args[0];
        EXPECT_EQ(runRenderCommand(std::get<RenderCommand>(parsed)), row.status) << row.args[1];
    }
    EXPECT_TRUE(std::filesystem::exists(controls));
    std::filesystem::remove(controls);
}
