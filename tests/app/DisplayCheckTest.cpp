#include "app/DisplayCheck.h"

#include "tests/support/qt/EnvironmentVariable.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

TEST(DisplayCheckTest, NoDisplayVariablesMeanNoDisplay) {
    const EnvironmentVariable display("DISPLAY", {});
    const EnvironmentVariable wayland("WAYLAND_DISPLAY", {});
    const EnvironmentVariable platform("QT_QPA_PLATFORM", {});
    EXPECT_FALSE(HasDisplay());
}

TEST(DisplayCheckTest, AnyOfTheVariablesIsEnough) {
    {
        const EnvironmentVariable display("DISPLAY", ":99");
        const EnvironmentVariable wayland("WAYLAND_DISPLAY", {});
        const EnvironmentVariable platform("QT_QPA_PLATFORM", {});
        EXPECT_TRUE(HasDisplay());
    }
    {
        const EnvironmentVariable display("DISPLAY", {});
        const EnvironmentVariable wayland("WAYLAND_DISPLAY", "wayland-0");
        const EnvironmentVariable platform("QT_QPA_PLATFORM", {});
        EXPECT_TRUE(HasDisplay());
    }
    {
        const EnvironmentVariable display("DISPLAY", {});
        const EnvironmentVariable wayland("WAYLAND_DISPLAY", {});
        const EnvironmentVariable platform("QT_QPA_PLATFORM", "offscreen");
        EXPECT_TRUE(HasDisplay());
    }
}

TEST(DisplayCheckTest, ProgramWithoutDisplayPrintsOneHintLineAndEndsWithStatusOne) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess program;
    program.setProcessEnvironment(environment);

    program.start(QStringLiteral(ORBELAN_PROGRAM), QStringList());
    ASSERT_TRUE(program.waitForFinished(30000));

    const std::string error = program.readAllStandardError().toStdString();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(error, NoDisplayHint(ORBELAN_PROGRAM));
    EXPECT_NE(error.find("xvfb-run"), std::string::npos);
    EXPECT_EQ(error.find('\n'), error.size() - 1);
    EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
}

TEST(DisplayCheckTest, HintQuotesWhatTheShellWouldSplitOrExpand) {
    const struct {
        std::vector<std::string> arguments;
        std::string command;
    } cases[] = {
        {{}, "xvfb-run /opt/orbelan"},
        {{"plans/home.Orbe"}, "xvfb-run /opt/orbelan plans/home.Orbe"},
        {{"my plan.Orbe", "$HOME"}, "xvfb-run /opt/orbelan 'my plan.Orbe' '$HOME'"},
        {{"it's.Orbe"}, "xvfb-run /opt/orbelan 'it'\\''s.Orbe'"},
        {{""}, "xvfb-run /opt/orbelan ''"},
    };
    for (const auto& [arguments, command] : cases)
        EXPECT_EQ(NoDisplayHint("/opt/orbelan", arguments),
                  "orbelan: no display found; run it under xvfb-run, for example: " + command +
                      "\n");
}

TEST(DisplayCheckTest, AChosenPlatformOrWaylandIsNotTriedAsAnX11Display) {
    const EnvironmentVariable display("DISPLAY", ":4242");
    {
        const EnvironmentVariable wayland("WAYLAND_DISPLAY", {});
        const EnvironmentVariable platform("QT_QPA_PLATFORM", "offscreen");
        EXPECT_EQ(UnreachableDisplay(), std::nullopt);
    }
    {
        const EnvironmentVariable wayland("WAYLAND_DISPLAY", "wayland-0");
        const EnvironmentVariable platform("QT_QPA_PLATFORM", {});
        EXPECT_EQ(UnreachableDisplay(), std::nullopt);
    }
}

TEST(DisplayCheckTest, ProgramWithAnUnreachableDisplayNamesItAndEndsWithStatusOne) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4242"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess program;
    program.setProcessEnvironment(environment);

    program.start(QStringLiteral(ORBELAN_PROGRAM), {QStringLiteral("my plan.Orbe")});
    ASSERT_TRUE(program.waitForFinished(30000));

    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(program.readAllStandardError().toStdString(),
              UnreachableDisplayHint(":4242", ORBELAN_PROGRAM, {"my plan.Orbe"}));
}
