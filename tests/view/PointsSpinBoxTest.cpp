#include "view/PointsSpinBox.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

TEST(PointsSpinBox, ShowsPointsInWordsAndReadsWhatIsTyped) {
    PointsSpinBox box;
    box.setRange(-5, 5);
    const std::vector<std::pair<int, QString>> shown = {{0, QStringLiteral("0 points")},
                                                        {1, QStringLiteral("+1 point")},
                                                        {-1, QStringLiteral("-1 point")},
                                                        {2, QStringLiteral("+2 points")},
                                                        {-5, QStringLiteral("-5 points")}};
    for (const auto& [value, text] : shown) {
        box.setValue(value);
        EXPECT_EQ(box.text(), text) << value;
    }

    // Typed over the whole text, then Enter: a key that makes no number is refused, and a
    // number out of range leaves the value as it was.
    const std::vector<std::pair<QString, int>> typed = {
        {QStringLiteral("3"), 3},         {QStringLiteral("+4 points"), 4},
        {QStringLiteral("-2 point"), -2}, {QStringLiteral("-1 p"), -1},
        {QStringLiteral("9"), -1},        {QStringLiteral("two"), -1},
        {QStringLiteral("1 pear"), 1},    {QStringLiteral("-"), 1}};
    for (const auto& [text, value] : typed) {
        box.selectAll();
        QTest::keyClicks(&box, text);
        QTest::keyClick(&box, Qt::Key_Return);
        box.interpretText();
        EXPECT_EQ(box.value(), value) << text.toStdString();
    }
}
