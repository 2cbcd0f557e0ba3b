#include "tools/render/RenderBatch.h"
#include "ui/SeedSource.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <ctime>
#include <fstream>
#include <sstream>

TEST(RenderBatch, SplitsCommandLinesLikeAShell)
{
    using Words = std::vector<std::string>;
    const std::pair<const char *, Words> rows[] = {
        {"--lesson 2770  --press\t104", {"--lesson", "2770", "--press", "104"}},
        {"  ", {}},
        {"--set '101=a b'", {"--set", "101=a b"}},
        {R"(--set "101=say \"x\"")", {"--set", R"(101=say "x")"}},
        {R"(--set '101=\n')", {"--set", R"(101=\n)"}},
        {R"(a\ b)", {"a b"}},
        {"x'' \"\"", {"x", ""}},
        {"--set 101=二次 --press 104", {"--set", "101=二次", "--press", "104"}},
    };
    for (const auto &[line, words] : rows) {
        const auto result = splitCommandLine(line);
        ASSERT_TRUE(std::holds_alternative<Words>(result)) << line;
        EXPECT_EQ(std::get<Words>(result), words) << line;
    }
    for (const char *bad : {"--set 'a", "--set \"a\\\"", "a\\"})
        EXPECT_TRUE(std::holds_alternative<std::string>(splitCommandLine(bad))) << bad;
}

// One result line per input line; a bad line reports its error and the next still runs.
TEST(RenderBatch, RunsEveryLineAndReportsEachResult)
{
    QTemporaryDir dir;
    const std::string a = dir.filePath(QStringLiteral("a.png")).toStdString();
    const std::string b = dir.filePath(QStringLiteral("b 2.txt")).toStdString();
    const std::string c = dir.filePath(QStringLiteral("c.txt")).toStdString();
    std::istringstream input("--lesson 2770 --press 104 --png " + a +
                             "\n"
                             "--lesson 9999\n"
                             "\n"
                             "# a comment\r\n"
                             "--drill 2786 --seed 5 --ops '" +
                             b +
                             "'\n"
                             "--bogus\n"
                             "--lesson 2770 --set \"101=1\n"
                             "--batch -\n"
                             "--drill 2786 --seed 5 --ops " +
                             c + "\n");
    std::ostringstream results;
    EXPECT_EQ(runRenderBatch(input, results), 1);
    EXPECT_EQ(results.str(), "1 ok\n"
                             "2 error 2: no lesson with command id 9999\n"
                             "3 skip\n"
                             "4 skip\n"
                             "5 ok\n"
                             "6 error 2: option --bogus needs a value\n"
                             "7 error 2: unclosed quote\n"
                             "8 error 2: a batch cannot run a batch\n"
                             "9 ok\n");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(a)));
    // The same seed on two lines gives the same exercise.
    std::ifstream first(b), second(c);
    const std::string one((std::istreambuf_iterator<char>(first)), {});
    const std::string two((std::istreambuf_iterator<char>(second)), {});
    EXPECT_FALSE(one.empty());
    EXPECT_EQ(one, two);
}

TEST(RenderBatch, ALineWithoutSeedTakesTheClockAgain)
{
    std::istringstream input("--drill 2786 --seed 5\n--drill 2786\n");
    std::ostringstream results;
    EXPECT_EQ(runRenderBatch(input, results), 0);
    const long now = static_cast<long>(std::time(nullptr));
    EXPECT_LE(std::labs(static_cast<long>(randomSeed()) - now), 5);
}

TEST(RenderBatch, AnUnreadableFileIsStatusTwo)
{
    std::ostringstream results;
    EXPECT_EQ(runRenderBatchFile("/nonexistent/batch.txt", results), 2);
    EXPECT_TRUE(results.str().empty());
}
