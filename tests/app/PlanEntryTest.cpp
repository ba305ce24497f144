#include "tests/app/AppFixture.h"
#include "tests/app/ModalDialogs.h"
#include "tests/dialogs/DialogDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <fstream>
#include <iterator>
#include <map>

namespace {

using Fields = std::map<std::string, QString>;

void Untick(QDialog& dialog, const char* name) {
    auto* box = dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
    ASSERT_NE(box, nullptr) << name;
    ASSERT_TRUE(box->isChecked()) << name;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    EXPECT_FALSE(box->isChecked()) << name;
}

// Types each field by its name: a year into a date picker, text into any other field.
void Fill(QDialog& dialog, const Fields& fields) {
    for (const auto& [name, text] : fields) {
        const QString objectName = QString::fromStdString(name);
        QWidget* field = dialog.findChild<QLineEdit*>(objectName);
        if (field == nullptr)
            field = dialog.findChild<QDateEdit*>(objectName);
        ASSERT_NE(field, nullptr) << name;
        Retype(field, text);
    }
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

class PlanEntryTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(Start()); }

    void EnterGeneralData(const Fields& fields) {
        WhenModalDialogShows([fields](QDialog& dialog) {
            Fill(dialog, fields);
            Click(dialog, "ok");
        });
        Action("ID_EDIT_GENERAL_DATA").trigger();
    }

    // Enters the items in order, the first over the placeholder of an empty list, each
    // committed with OK in edit mode, and closes the dialog with OK.
    void EnterItems(const char* command, const std::vector<Fields>& items,
                    const std::vector<std::vector<const char*>>& untick = {}) {
        WhenModalDialogShows([items, untick](QDialog& dialog) {
            for (std::size_t i = 0; i < items.size(); ++i) {
                Click(dialog, i == 0 ? "edit" : "add");
                Fill(dialog, items[i]);
                if (i < untick.size())
                    for (const char* box : untick[i])
                        Untick(dialog, box);
                Click(dialog, "ok");
            }
            Click(dialog, "ok");
        });
        Action(command).trigger();
    }
};

TEST_F(PlanEntryTest, SavingsPlanEnteredThroughTheDialogsIsSavedByteForByte) {
    EnterGeneralData({{"birthDate", QStringLiteral("1960")},
                      {"retirementAge", QStringLiteral("62")},
                      {"taxRateBefore", QStringLiteral("33")},
                      {"taxRateAfter", QStringLiteral("25.5")}});
    EnterItems("ID_EDIT_INCOME",
               {{{"name", QStringLiteral("Savings account")},
                 {"initialAmount", QStringLiteral("10000")},
                 {"initialDate", QStringLiteral("2000")},
                 {"annualAmount", QStringLiteral("1200")},
                 {"annualStart", QStringLiteral("2000")},
                 {"annualEnd", QStringLiteral("2021")},
                 {"growthRate", QStringLiteral("2.5")},
                 {"rateBefore", QStringLiteral("5")},
                 {"rateAfter", QStringLiteral("3.5")}}},
               {{"withdrawalTaxable"}});
    EnterItems("ID_EDIT_EXPENSES", {{{"name", QStringLiteral("Living costs")},
                                     {"initialAmount", QStringLiteral("0")},
                                     {"initialDate", QStringLiteral("2000")},
                                     {"annualAmount", QStringLiteral("10000")},
                                     {"annualStart", QStringLiteral("2022")},
                                     {"annualEnd", QStringLiteral("2050")},
                                     {"growthRate", QStringLiteral("3")}}});
    EXPECT_TRUE(Document().IsModified());

    const std::string path = folder.FilePath("savings.Orbe");
    ui.QueueSaveFile(path);
    Action("ID_FILE_SAVE_AS").trigger();

    EXPECT_EQ(ReadBytes(path), "2052206848\r\n1 1 1960\r\n62\r\n1 1 2022\r\n33\r\n25.5\r\n1\r\n"
                               "Savings account\r\n1\r\n10000\r\n1 1 2000\r\n1200\r\n1 1 2000\r\n"
                               "1 1 2021\r\n2.5\r\n1 1 2022\r\n5\r\n3.5\r\n0\r\n1 1 2022\r\n1\r\n"
                               "Living costs\r\n0\r\n1 1 2000\r\n10000\r\n1 1 2022\r\n1 1 2050\r\n"
                               "3\r\n");
    EXPECT_FALSE(Document().IsModified());
}

TEST_F(PlanEntryTest, RetirementPlanEnteredThroughTheDialogsProjectsTheSixRows) {
    EnterGeneralData({{"birthDate", QStringLiteral("1948")},
                      {"retirementAge", QStringLiteral("55")},
                      {"taxRateBefore", QStringLiteral("30")},
                      {"taxRateAfter", QStringLiteral("20")}});
    EnterItems("ID_EDIT_INCOME",
               {{{"name", QStringLiteral("Savings")},
                 {"initialAmount", QStringLiteral("1000")},
                 {"initialDate", QStringLiteral("2000")},
                 {"rateSwitchDate", QStringLiteral("2002")},
                 {"rateBefore", QStringLiteral("5.9")},
                 {"rateAfter", QStringLiteral("2.5")},
                 {"withdrawalStart", QStringLiteral("2000")}},
                {{"name", QStringLiteral("Pension")},
                 {"initialDate", QStringLiteral("2000")},
                 {"annualAmount", QStringLiteral("1000")},
                 {"annualStart", QStringLiteral("2000")},
                 {"annualEnd", QStringLiteral("2001")},
                 {"growthRate", QStringLiteral("10")},
                 {"rateSwitchDate", QStringLiteral("2000")},
                 {"rateAfter", QStringLiteral("4")},
                 {"withdrawalStart", QStringLiteral("2002")}}},
               {{"taxable", "withdrawalTaxable"}});
    EnterItems("ID_EDIT_EXPENSES", {{{"name", QStringLiteral("Rent")},
                                     {"annualAmount", QStringLiteral("600")},
                                     {"annualStart", QStringLiteral("2001")},
                                     {"annualEnd", QStringLiteral("2099")}}});
    ASSERT_EQ(Document().m_plan.incomes.size(), 2u);
    ASSERT_EQ(Document().m_plan.expenses.size(), 1u);
    EXPECT_TRUE(ShownRows().empty()) << "editing never calculates";

    Action("ID_EDIT_CALCULATE").trigger();

    EXPECT_EQ(ShownRows(), kExampleRows);
    EXPECT_TRUE(ui.GetJournal().empty());
}
