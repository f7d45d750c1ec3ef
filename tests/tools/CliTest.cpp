// tallowmark-cli as a caller sees it: output, exit status and messages.

#include "tests/gamedata/GameDataFixture.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {
struct CliRun {
    int status = -1;
    std::string out;
};

CliRun RunCli(const std::string& arguments)
{
    CliRun run;
    std::string command = std::string(TALLOWMARK_CLI) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer;
    size_t got;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), got);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
} // namespace

TEST(Cli, InfoNamesTheEditionAndCounts)
{
    TempFolder folder;
    ASSERT_TRUE(SmallInstallation(gamebuild::Edition::Gold).Write(folder.Path()));
    CliRun run = RunCli("--game " + folder.Path() + " info");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("edition\tGold\nitems\t571\nmonsters\t250\n", 0), 0u) << run.out;
}

TEST(Cli, AMissingInstallationFailsWithTheProgramsMessage)
{
    TempFolder empty;
    CliRun run = RunCli("--game " + empty.Path() + " info");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("Main information cannot be accessed!"), std::string::npos) << run.out;
}

TEST(Cli, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(RunCli("").status, 2);
    EXPECT_EQ(RunCli("--game /tmp nosuchcommand").status, 2);
    EXPECT_EQ(RunCli("info").status, 2) << "no installation named";
    CliRun help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("info"), std::string::npos);
    EXPECT_EQ(RunCli("info --help").status, 0);
}
