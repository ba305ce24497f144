#include "platform/qt/QtUiServices.h"
#include "tests/platform/qt/ModalDialog.h"
#include "tests/platform/support/TemporaryDirectory.h"
#include "tests/support/qt/TestPrograms.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

const QStringList kPlanFilters = {QStringLiteral("Orbelan (*.Orbe)"),
                                  QStringLiteral("All Files (*)")};

// QFileDialog hides accept(); through QDialog it runs as the dialog's own button does.
void Confirm(QFileDialog& dialog) {
    static_cast<QDialog&>(dialog).accept();
}

} // namespace

class QtUiServicesTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    int helpShown = 0;
    QtUiServices ui{[this] { ++helpShown; }};
    QTemporaryDir folder;
};

TEST_F(QtUiServicesTest, MessageIsAnOrbelanWarningWithOkAndItsDetailAsInformativeText) {
    QString title, text, detail;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    WhenMessageBoxShows([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        detail = box.informativeText();
        icon = box.icon();
        buttons = box.standardButtons();
        box.button(QMessageBox::Ok)->click();
    });

    ui.ShowMessage("Error saving file!", "/plans/home.Orbe: Permission denied");

    EXPECT_EQ(title, QStringLiteral("Orbelan"));
    EXPECT_EQ(text, QStringLiteral("Error saving file!"));
    EXPECT_EQ(detail, QStringLiteral("/plans/home.Orbe: Permission denied"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST_F(QtUiServicesTest, SavePromptIsAQuestionWithYesNoAndCancel) {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool yesIsTheDefault = false;
    WhenMessageBoxShows([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        buttons = box.standardButtons();
        yesIsTheDefault = box.defaultButton() == box.button(QMessageBox::Yes);
        box.button(QMessageBox::No)->click();
    });

    EXPECT_EQ(ui.AskSaveChanges("Save changes to home.Orbe?"), SaveChangesAnswer::No);

    EXPECT_EQ(title, QStringLiteral("Orbelan"));
    EXPECT_EQ(text, QStringLiteral("Save changes to home.Orbe?"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(yesIsTheDefault);
}

TEST_F(QtUiServicesTest, SavePromptReportsYesAndCancel) {
    WhenMessageBoxShows([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(ui.AskSaveChanges("Save changes to home.Orbe?"), SaveChangesAnswer::Yes);

    WhenMessageBoxShows([](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); });
    EXPECT_EQ(ui.AskSaveChanges("Save changes to home.Orbe?"), SaveChangesAnswer::Cancel);
}

TEST_F(QtUiServicesTest, SavePromptClosedWithoutAnAnswerIsCancel) {
    WhenMessageBoxShows([](QMessageBox& box) { box.reject(); });
    EXPECT_EQ(ui.AskSaveChanges("Save changes to home.Orbe?"), SaveChangesAnswer::Cancel);
}

TEST_F(QtUiServicesTest, OpenDialogOffersPlanFilesAndReturnsTheChosenFile) {
    const QString plan = folder.filePath(QStringLiteral("plan.Orbe"));
    QFile(plan).open(QIODevice::WriteOnly);
    QString title;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptSave;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
    QStringList filters;
    QString selectedFilter;
    WhenFileDialogShows([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        acceptMode = dialog.acceptMode();
        fileMode = dialog.fileMode();
        filters = dialog.nameFilters();
        selectedFilter = dialog.selectedNameFilter();
        dialog.selectFile(plan);
        Confirm(dialog);
    });

    EXPECT_EQ(ui.ChooseOpenFile(), plan.toStdString());

    EXPECT_EQ(title, QStringLiteral("Open"));
    EXPECT_EQ(acceptMode, QFileDialog::AcceptOpen);
    EXPECT_EQ(fileMode, QFileDialog::ExistingFile);
    EXPECT_EQ(filters, kPlanFilters);
    EXPECT_EQ(selectedFilter, kPlanFilters.front());
}

TEST_F(QtUiServicesTest, CancelledOpenDialogReturnsNothing) {
    WhenFileDialogShows([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(ui.ChooseOpenFile(), std::nullopt);
}

TEST_F(QtUiServicesTest, SaveDialogStartsFromTheProposalAndOffersPlanFiles) {
    const QString proposed = folder.filePath(QStringLiteral("Untitled.Orbe"));
    QString title, defaultSuffix;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QStringList filters, selected;
    WhenFileDialogShows([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        acceptMode = dialog.acceptMode();
        filters = dialog.nameFilters();
        defaultSuffix = dialog.defaultSuffix();
        selected = dialog.selectedFiles();
        Confirm(dialog);
    });

    EXPECT_EQ(ui.ChooseSaveFile(proposed.toStdString()), proposed.toStdString());

    EXPECT_EQ(title, QStringLiteral("Save As"));
    EXPECT_EQ(acceptMode, QFileDialog::AcceptSave);
    EXPECT_EQ(filters, kPlanFilters);
    EXPECT_EQ(defaultSuffix, QStringLiteral("Orbe"));
    EXPECT_EQ(selected, QStringList{proposed});
}

TEST_F(QtUiServicesTest, NameTypedWithoutExtensionGetsTheWholeExtension) {
    WhenFileDialogShows([this](QFileDialog& dialog) {
        dialog.selectFile(folder.filePath(QStringLiteral("home")));
        Confirm(dialog);
    });

    EXPECT_EQ(ui.ChooseSaveFile(folder.filePath(QStringLiteral("Untitled.Orbe")).toStdString()),
              folder.filePath(QStringLiteral("home.Orbe")).toStdString());
}

TEST_F(QtUiServicesTest, CancelledSaveDialogReturnsNothing) {
    WhenFileDialogShows([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(ui.ChooseSaveFile("Untitled.Orbe"), std::nullopt);
}

TEST_F(QtUiServicesTest, QuestionThatGivesNothingUpTakesYesOnEnterAndNoOnEscape) {
    for (const bool enter : {true, false}) {
        QString title, detail;
        QMessageBox::StandardButtons buttons;
        bool yesIsTheDefault = false;
        bool noIsTheEscape = false;
        WhenMessageBoxShows([&](QMessageBox& box) {
            title = box.windowTitle();
            detail = box.informativeText();
            buttons = box.standardButtons();
            yesIsTheDefault = box.defaultButton() == box.button(QMessageBox::Yes);
            noIsTheEscape = box.escapeButton() == box.button(QMessageBox::No);
            (enter ? box.defaultButton() : box.escapeButton())->click();
        });

        EXPECT_EQ(ui.AskYesNoDefaultYes("Recover the unsaved changes to home.Orbe from 09:41?",
                                        "The plan file stays as it is."),
                  enter);

        EXPECT_EQ(title, QStringLiteral("Orbelan"));
        EXPECT_EQ(detail, QStringLiteral("The plan file stays as it is."));
        EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_TRUE(yesIsTheDefault);
        EXPECT_TRUE(noIsTheEscape);
    }
}

// The file dialogs on Qt; the question after one is answered here.
class AnsweringUiServices : public QtUiServices {
public:
    AnsweringUiServices() : QtUiServices([] {}) {}
    bool AskYesNo(const std::string& question) override {
        asked.push_back(question);
        return answer;
    }
    std::vector<std::string> asked;
    bool answer = false;
};

TEST_F(QtUiServicesTest, FileDialogsHandBackTheBytesOfTheNameTheyCouldNotRead) {
    // Not the fixture's folder: Qt cannot remove a file whose name it cannot read.
    const TemporaryDirectory bytesFolder;
    const std::string plan = bytesFolder.AddFile("caf\xE9.Orbe");
    const std::vector<std::string> replace = {
        "caf\uFFFD.Orbe already exists.\nDo you want to replace it?"};
    struct Case {
        bool save, yes;
        std::optional<std::string> expected;
        std::vector<std::string> asked;
    };
    // Saving under the plan's own name, the dialog could not see that it exists.
    for (const Case& c : {Case{false, false, plan, {}}, Case{true, true, plan, replace},
                          Case{true, false, std::nullopt, replace}}) {
        AnsweringUiServices services;
        services.answer = c.yes;
        WhenFileDialogShows([&](QFileDialog& dialog) {
            dialog.selectFile(QString::fromStdString(plan));
            // As a desktop's own dialog hands back a name it listed: Qt's leaves such names out.
            if (c.save)
                Confirm(dialog);
            else
                static_cast<QDialog&>(dialog).QDialog::accept();
        });

        EXPECT_EQ(c.save ? services.ChooseSaveFile(plan) : services.ChooseOpenFile(), c.expected);
        EXPECT_EQ(services.asked, c.asked);
    }
}

TEST_F(QtUiServicesTest, ProgramsAreFoundAlongPath) {
    EXPECT_TRUE(ui.StartDetached("true", {" "}));
    EXPECT_FALSE(ui.StartDetached("orbelan-no-such-program", {}));
}

TEST_F(QtUiServicesTest, BareNamesAreNotLookedForInTheCurrentFolder) {
    const QString program = AddProgram(folder, QStringLiteral("orbelan-test-program"));
    ASSERT_FALSE(program.isEmpty());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));

    const bool startedByName = ui.StartDetached("orbelan-test-program", {});
    const bool startedByPath = ui.StartDetached(program.toStdString(), {});

    QDir::setCurrent(previous);
    EXPECT_FALSE(startedByName);
    EXPECT_TRUE(startedByPath);
}

TEST_F(QtUiServicesTest, HelpIsWhatTheApplicationHandedIn) {
    ui.ShowHelp();
    EXPECT_EQ(helpShown, 1);
}
