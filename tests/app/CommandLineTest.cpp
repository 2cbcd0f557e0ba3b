#include "app/CommandLine.h"
#include "app/Version.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

InfoOption find(std::vector<const char *> args)
{
    args.insert(args.begin(), "tessaryn");
    return findInfoOption(static_cast<int>(args.size()), args.data());
}

} // namespace

TEST(CommandLine, HelpAndVersionAnswerAndEverythingElseIsAFileToOpen)
{
    struct Row
    {
        std::vector<const char *> args;
        InfoOption expected;
    };
    const Row rows[] = {
        {{}, InfoOption::None},
        {{"drawing.tsk"}, InfoOption::None},
        {{"--help"}, InfoOption::Help},
        {{"-h"}, InfoOption::Help},
        {{"--version"}, InfoOption::Version},
        {{"drawing.tsk", "--version"}, InfoOption::Version},
        {{"--", "--help"}, InfoOption::None}, // a file named "--help"
        {{"--helpme"}, InfoOption::None},
        {{"-version"}, InfoOption::None},
    };
    for (const Row &row : rows)
        EXPECT_EQ(find(row.args), row.expected) << (row.args.empty() ? "" : row.args.front());
}

TEST(CommandLine, VersionTextNamesTheProgramAndTheProjectVersion)
{
    EXPECT_EQ(versionText("tessaryn"), std::string("tessaryn ") + kTessarynVersion + "\n");
    EXPECT_EQ(std::string(kTessarynVersion), "3.0");
}
