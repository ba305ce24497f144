#include "app/CCommandLineInfo.h"

#include <gtest/gtest.h>

using ShellCommand = CCommandLineInfo::ShellCommand;

TEST(CommandLineInfoTest, NoArgumentsAskForANewPlan) {
    const CCommandLineInfo info = ParseCommandLine({});
    EXPECT_EQ(info.m_nShellCommand, ShellCommand::FileNew);
    EXPECT_EQ(info.m_strFileName, "");
}

TEST(CommandLineInfoTest, AFileNameAsksToOpenIt) {
    const CCommandLineInfo info = ParseCommandLine({"/plans/home.Orbe"});
    EXPECT_EQ(info.m_nShellCommand, ShellCommand::FileOpen);
    EXPECT_EQ(info.m_strFileName, "/plans/home.Orbe");
}

TEST(CommandLineInfoTest, OnlyTheFirstFileNameCounts) {
    const CCommandLineInfo info = ParseCommandLine({"home.Orbe", "work.Orbe"});
    EXPECT_EQ(info.m_strFileName, "home.Orbe");
}

TEST(CommandLineInfoTest, SwitchesAreSkipped) {
    EXPECT_EQ(ParseCommandLine({"-x"}).m_nShellCommand, ShellCommand::FileNew);
    const CCommandLineInfo info = ParseCommandLine({"--quiet", "home.Orbe"});
    EXPECT_EQ(info.m_nShellCommand, ShellCommand::FileOpen);
    EXPECT_EQ(info.m_strFileName, "home.Orbe");
}

TEST(CommandLineInfoTest, EmptyArgumentsAreSkipped) {
    EXPECT_EQ(ParseCommandLine({""}).m_nShellCommand, ShellCommand::FileNew);
}
