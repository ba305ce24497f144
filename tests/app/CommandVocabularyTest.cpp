#include "tests/app/AppFixture.h"

#include "view/CTessalyView.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include <memory>

namespace {

// The object names of a widget's actions in order; a separator reads as "|".
std::vector<std::string> ActionNames(const QWidget& widget) {
    std::vector<std::string> names;
    for (const QAction* action : widget.actions())
        names.push_back(action->isSeparator() ? "|" : action->objectName().toStdString());
    return names;
}

const std::vector<const char*> kAlwaysDisabled = {
    "ID_FILE_PRINT", "ID_FILE_PRINT_PREVIEW", "ID_FILE_PRINT_SETUP", "ID_EDIT_UNDO",
    "ID_EDIT_CUT",   "ID_EDIT_COPY",          "ID_EDIT_PASTE",       "ID_CONTEXT_HELP",
    "ID_NEXT_PANE",  "ID_PREV_PANE"};

const std::vector<const char*> kEditDialogs = {"ID_EDIT_GENERAL_DATA", "ID_EDIT_EXPENSES",
                                               "ID_EDIT_INCOME"};

} // namespace

class CommandVocabularyTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(Start({CopyExample()})); }
};

TEST_F(CommandVocabularyTest, MenuBarHoldsFileEditViewAndHelp) {
    QStringList titles;
    for (const QAction* menu : Frame().menuBar()->actions())
        titles.append(menu->text());
    EXPECT_EQ(titles, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"),
                                   QStringLiteral("&View"), QStringLiteral("&Help")}));
}

TEST_F(CommandVocabularyTest, FileMenuOrder) {
    const std::vector<std::string> expected = {"ID_FILE_NEW",
                                               "ID_FILE_OPEN",
                                               "ID_FILE_SAVE",
                                               "ID_FILE_SAVE_AS",
                                               "menuExport",
                                               "|",
                                               "ID_FILE_PRINT",
                                               "ID_FILE_PRINT_PREVIEW",
                                               "ID_FILE_PRINT_SETUP",
                                               "|",
                                               "ID_FILE_MRU_FILE1",
                                               "ID_FILE_MRU_FILE2",
                                               "ID_FILE_MRU_FILE3",
                                               "ID_FILE_MRU_FILE4",
                                               "|",
                                               "ID_APP_EXIT"};
    EXPECT_EQ(ActionNames(Menu("menuFile")), expected);
}

TEST_F(CommandVocabularyTest, EditMenuOrderPutsExpensesBeforeIncome) {
    const std::vector<std::string> expected = {
        "ID_EDIT_UNDO",   "|", "ID_EDIT_CUT",          "ID_EDIT_COPY",
        "ID_EDIT_PASTE",  "|", "ID_EDIT_GENERAL_DATA", "ID_EDIT_EXPENSES",
        "ID_EDIT_INCOME", "|", "ID_EDIT_CALCULATE"};
    EXPECT_EQ(ActionNames(Menu("menuEdit")), expected);
}

TEST_F(CommandVocabularyTest, ViewAndHelpMenuOrder) {
    EXPECT_EQ(
        ActionNames(Menu("menuView")),
        (std::vector<std::string>{"ID_VIEW_TOOLBAR", "ID_VIEW_STATUS_BAR", "|", "ID_VIEW_CHART",
                                  "ID_VIEW_YEAR_DETAILS", "ID_VIEW_WHAT_IF"}));
    EXPECT_EQ(ActionNames(Menu("menuExport")),
              (std::vector<std::string>{"ID_FILE_EXPORT_CSV", "ID_FILE_EXPORT_PDF"}));
    EXPECT_EQ(ActionNames(Menu("menuHelp")),
              (std::vector<std::string>{"ID_HELP", "|", "ID_APP_ABOUT"}));
}

TEST_F(CommandVocabularyTest, MenuTexts) {
    EXPECT_EQ(Action("ID_FILE_NEW").text(), QStringLiteral("&New"));
    EXPECT_EQ(Action("ID_FILE_OPEN").text(), QStringLiteral("&Open..."));
    EXPECT_EQ(Action("ID_FILE_SAVE_AS").text(), QStringLiteral("Save &As..."));
    EXPECT_EQ(Action("ID_FILE_PRINT_PREVIEW").text(), QStringLiteral("Print Pre&view"));
    EXPECT_EQ(Action("ID_FILE_PRINT_SETUP").text(), QStringLiteral("P&rint Setup..."));
    EXPECT_EQ(Action("ID_APP_EXIT").text(), QStringLiteral("E&xit"));
    EXPECT_EQ(Action("ID_EDIT_CUT").text(), QStringLiteral("Cu&t"));
    EXPECT_EQ(Action("ID_EDIT_GENERAL_DATA").text(), QStringLiteral("General Data"));
    EXPECT_EQ(Action("ID_EDIT_CALCULATE").text(), QStringLiteral("Calculate"));
    EXPECT_EQ(Action("ID_VIEW_STATUS_BAR").text(), QStringLiteral("&Status Bar"));
    EXPECT_EQ(Action("ID_HELP").text(), QStringLiteral("&Help Topics"));
    EXPECT_EQ(Action("ID_APP_ABOUT").text(), QStringLiteral("&About Tessaly..."));
}

TEST_F(CommandVocabularyTest, AcceleratorsIncludeTheSecondOnes) {
    using Keys = QList<QKeySequence>;
    EXPECT_EQ(Action("ID_FILE_NEW").shortcuts(), Keys{QKeySequence(QStringLiteral("Ctrl+N"))});
    EXPECT_EQ(Action("ID_FILE_OPEN").shortcuts(), Keys{QKeySequence(QStringLiteral("Ctrl+O"))});
    EXPECT_EQ(Action("ID_FILE_SAVE").shortcuts(), Keys{QKeySequence(QStringLiteral("Ctrl+S"))});
    EXPECT_EQ(Action("ID_FILE_PRINT").shortcuts(), Keys{QKeySequence(QStringLiteral("Ctrl+P"))});
    EXPECT_EQ(Action("ID_EDIT_UNDO").shortcuts(),
              (Keys{QKeySequence(QStringLiteral("Ctrl+Z")),
                    QKeySequence(QStringLiteral("Alt+Backspace"))}));
    EXPECT_EQ(Action("ID_EDIT_CUT").shortcuts(), (Keys{QKeySequence(QStringLiteral("Ctrl+X")),
                                                       QKeySequence(QStringLiteral("Shift+Del"))}));
    EXPECT_EQ(Action("ID_EDIT_COPY").shortcuts(), (Keys{QKeySequence(QStringLiteral("Ctrl+C")),
                                                        QKeySequence(QStringLiteral("Ctrl+Ins"))}));
    EXPECT_EQ(
        Action("ID_EDIT_PASTE").shortcuts(),
        (Keys{QKeySequence(QStringLiteral("Ctrl+V")), QKeySequence(QStringLiteral("Shift+Ins"))}));
    EXPECT_EQ(Action("ID_HELP").shortcuts(), Keys{QKeySequence(QStringLiteral("F1"))});
    EXPECT_EQ(Action("ID_CONTEXT_HELP").shortcuts(),
              Keys{QKeySequence(QStringLiteral("Shift+F1"))});
    EXPECT_EQ(Action("ID_NEXT_PANE").shortcuts(), Keys{QKeySequence(QStringLiteral("F6"))});
    EXPECT_EQ(Action("ID_PREV_PANE").shortcuts(), Keys{QKeySequence(QStringLiteral("Shift+F6"))});
    EXPECT_TRUE(Action("ID_EDIT_CALCULATE").shortcuts().isEmpty());
}

TEST_F(CommandVocabularyTest, PromptsGiveStatusTipAndTooltip) {
    EXPECT_EQ(Action("ID_FILE_NEW").statusTip(), QStringLiteral("Create a new document"));
    EXPECT_EQ(Action("ID_FILE_NEW").toolTip(), QStringLiteral("New"));
    EXPECT_EQ(Action("ID_APP_EXIT").statusTip(),
              QStringLiteral("Quit the application; prompts to save documents"));
    EXPECT_EQ(Action("ID_TOOLBAR_CALCULATE").statusTip(),
              QStringLiteral("Caluclate future income"));
    EXPECT_EQ(Action("ID_TOOLBAR_CALCULATE").toolTip(), QStringLiteral("Calculate"));
    EXPECT_EQ(Action("ID_RUN_CALCULATOR").statusTip(), QStringLiteral("Run Windows calculator"));
    EXPECT_EQ(Action("ID_RUN_CALCULATOR").toolTip(), QStringLiteral("Windows Calculator"));
    EXPECT_EQ(Action("ID_CONTEXT_HELP").toolTip(), QStringLiteral("Help"));
    EXPECT_EQ(Action("ID_EDIT_CALCULATE").statusTip(),
              QStringLiteral("Calculate earnings projections"));
    EXPECT_EQ(Action("ID_FILE_MRU_FILE1").statusTip(), QStringLiteral("Open this document"));
}

TEST_F(CommandVocabularyTest, ToolbarHasElevenButtonsWithTheirGaps) {
    const std::vector<std::string> expected = {"ID_FILE_NEW",          "ID_FILE_OPEN",
                                               "ID_FILE_SAVE",         "|",
                                               "ID_EDIT_CUT",          "ID_EDIT_COPY",
                                               "ID_EDIT_PASTE",        "|",
                                               "ID_FILE_PRINT",        "|",
                                               "ID_APP_ABOUT",         "ID_CONTEXT_HELP",
                                               "ID_TOOLBAR_CALCULATE", "ID_RUN_CALCULATOR"};
    EXPECT_EQ(ActionNames(ToolBar()), expected);
}

TEST_F(CommandVocabularyTest, EveryToolbarButtonHasAPicture) {
    for (QAction* action : ToolBar().actions()) {
        if (action->isSeparator())
            continue;
        EXPECT_FALSE(action->icon().pixmap(16, 16).isNull()) << action->objectName().toStdString();
    }
}

TEST_F(CommandVocabularyTest, ToolbarDocksOnAnySide) {
    EXPECT_EQ(ToolBar().allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_TRUE(ToolBar().isMovable());
    EXPECT_EQ(Frame().toolBarArea(&ToolBar()), Qt::TopToolBarArea);
    Frame().addToolBar(Qt::LeftToolBarArea, &ToolBar());
    EXPECT_EQ(Frame().toolBarArea(&ToolBar()), Qt::LeftToolBarArea);
}

TEST_F(CommandVocabularyTest, CommandStatesHoldWhateverHappens) {
    auto expectStates = [this](const char* when) {
        for (const char* id : kAlwaysDisabled)
            EXPECT_FALSE(Action(id).isEnabled()) << id << " " << when;
        for (const char* id : kEditDialogs)
            EXPECT_TRUE(Action(id).isEnabled()) << id << " " << when;
    };
    expectStates("at start");
    Action("ID_EDIT_CALCULATE").trigger();
    expectStates("after Calculate");
    Action("ID_FILE_NEW").trigger();
    expectStates("after New");
    RecentFileEntries();
    expectStates("after the File menu showed");
}

TEST_F(CommandVocabularyTest, DisabledCommandsShortcutsDoNothing) {
    Action("ID_EDIT_CALCULATE").trigger();
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const char* id : kAlwaysDisabled)
        spies.push_back(std::make_unique<QSignalSpy>(&Action(id), &QAction::triggered));

    const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {Qt::Key_P, Qt::ControlModifier},      {Qt::Key_Z, Qt::ControlModifier},
        {Qt::Key_Backspace, Qt::AltModifier},  {Qt::Key_X, Qt::ControlModifier},
        {Qt::Key_Delete, Qt::ShiftModifier},   {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_Insert, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier},
        {Qt::Key_Insert, Qt::ShiftModifier},   {Qt::Key_F1, Qt::ShiftModifier},
        {Qt::Key_F6, Qt::NoModifier},          {Qt::Key_F6, Qt::ShiftModifier}};
    for (const auto& [key, modifiers] : keys)
        QTest::keyClick(&Frame().GetView(), key, modifiers);

    for (std::size_t index = 0; index < spies.size(); ++index)
        EXPECT_EQ(spies[index]->count(), 0) << kAlwaysDisabled[index];
    EXPECT_TRUE(ui.GetJournal().empty());
    EXPECT_EQ(ShownRows(), kExampleRows);
    EXPECT_FALSE(Document().IsModified());
}

TEST_F(CommandVocabularyTest, EnabledShortcutsReachTheirCommands) {
    Document().SetModifiedFlag(true);
    ui.QueueSaveChangesAnswer(SaveChangesAnswer::Cancel);
    ui.QueueOpenFile(std::nullopt);

    QTest::keyClick(&Frame().GetView(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(&Frame().GetView(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&Frame().GetView(), Qt::Key_S, Qt::ControlModifier);

    EXPECT_EQ(ui.GetJournal(),
              (Journal{"ask: Save changes to retirement-example.Orbe?", "choose open file"}));
    EXPECT_FALSE(Document().IsModified());
}
