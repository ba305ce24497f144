#include "view/CalculatorSearch.h"
#include "tests/support/qt/TestPrograms.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString PathOf(const QStringList& folders) {
    return folders.join(QDir::listSeparator());
}

// Runs in another current folder for the life of the object.
class CurrentFolder {
public:
    explicit CurrentFolder(const QString& folder) : m_old(QDir::currentPath()) {
        QDir::setCurrent(folder);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;
    ~CurrentFolder() { QDir::setCurrent(m_old); }

private:
    QString m_old;
};

} // namespace

class CalculatorSearchTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(first.isValid());
        ASSERT_TRUE(second.isValid());
    }

    QTemporaryDir first;
    QTemporaryDir second;
};

TEST_F(CalculatorSearchTest, EmptyPathFindsNothing) {
    EXPECT_EQ(FindCalculator(QString()), QString());
}

TEST_F(CalculatorSearchTest, FolderWithoutCalculatorFindsNothing) {
    AddProgram(first, QStringLiteral("editor"));
    EXPECT_EQ(FindCalculator(PathOf({first.path()})), QString());
}

TEST_F(CalculatorSearchTest, FindsALinuxCalculator) {
    const QString kcalc = AddProgram(first, QStringLiteral("kcalc"));
    EXPECT_EQ(FindCalculator(PathOf({first.path()})), kcalc);
}

TEST_F(CalculatorSearchTest, WindowsCalculatorComesFirst) {
    AddProgram(first, QStringLiteral("gnome-calculator"));
    const QString calc = AddProgram(second, QStringLiteral("calc.exe"));
    EXPECT_EQ(FindCalculator(PathOf({first.path(), second.path()})), calc);
}

TEST_F(CalculatorSearchTest, NamesAreTriedInOrderBeforeFolders) {
    AddProgram(first, QStringLiteral("xcalc"));
    const QString gnome = AddProgram(second, QStringLiteral("gnome-calculator"));
    EXPECT_EQ(FindCalculator(PathOf({first.path(), second.path()})), gnome);
}

TEST_F(CalculatorSearchTest, EarlierFolderWinsForTheSameName) {
    const QString early = AddProgram(first, QStringLiteral("galculator"));
    AddProgram(second, QStringLiteral("galculator"));
    EXPECT_EQ(FindCalculator(PathOf({first.path(), second.path()})), early);
}

TEST_F(CalculatorSearchTest, FileWithoutExecutePermissionIsNoCalculator) {
    QFile plain(first.filePath(QStringLiteral("mate-calc")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_EQ(FindCalculator(PathOf({first.path()})), QString());
}

TEST_F(CalculatorSearchTest, CurrentFolderIsNeverSearched) {
    AddProgram(first, QStringLiteral("calc.exe"));
    const CurrentFolder inFirst(first.path());
    EXPECT_EQ(FindCalculator(QString()), QString());
    EXPECT_EQ(FindCalculator(QStringLiteral(".")), QString());
    EXPECT_EQ(FindCalculator(PathOf({QString(), QStringLiteral(".")})), QString());
}
