#include "app/StartOptions.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

std::optional<QString> Answer(std::initializer_list<const char*> arguments) {
    QStringList list{QStringLiteral("orbelan")};
    for (const char* argument : arguments)
        list.append(QString::fromLatin1(argument));
    return AnswerWithoutWindow(list);
}

} // namespace

TEST(StartOptionsTest, VersionPrintsTheProjectVersion) {
    for (const auto& arguments : {std::initializer_list<const char*>{"--version"},
                                  std::initializer_list<const char*>{"-v", "plan.Orbe"}})
        EXPECT_EQ(Answer(arguments), QStringLiteral("Orbelan 1.0\n"));
}

TEST(StartOptionsTest, HelpNamesTheOptionsAndTheFile) {
    for (const auto& arguments :
         {std::initializer_list<const char*>{"--help"}, std::initializer_list<const char*>{"-h"}}) {
        const QString help = Answer(arguments).value_or(QString());
        EXPECT_TRUE(help.contains(QStringLiteral(" [options] [file]\n"))) << help.toStdString();
        EXPECT_TRUE(help.contains(QStringLiteral("-v, --version"))) << help.toStdString();
    }
}

TEST(StartOptionsTest, APlanFileAndQtsOwnOptionsStartTheProgram) {
    EXPECT_EQ(Answer({}), std::nullopt);
    EXPECT_EQ(Answer({"plan.Orbe"}), std::nullopt);
    EXPECT_EQ(Answer({"-platform", "offscreen", "--quiet", "plan.Orbe"}), std::nullopt);
}

TEST(StartOptionsTest, ProgramAnswersVersionWithoutADisplay) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    QProcess program;
    program.setProcessEnvironment(environment);

    program.start(QStringLiteral(ORBELAN_PROGRAM), {QStringLiteral("--version")});
    ASSERT_TRUE(program.waitForFinished(30000));

    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput(), QByteArrayLiteral("Orbelan 1.0\n"));
    EXPECT_TRUE(program.readAllStandardError().isEmpty());
}
