#include "app/DisplayCheck.h"

#include "tests/support/qt/EnvironmentVariable.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <string>

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
