#include "tests/app/AppFixture.h"

#include "app/CMainFrame.h"
#include "app/CommandTable.h"
#include "view/CTessalyView.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include <map>
#include <memory>
#include <set>
#include <string>

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
                                               "ID_FILE_NEW_FROM_QUESTIONS",
                                               "ID_FILE_OPEN",
                                               "ID_FILE_SAVE",
                                               "ID_FILE_SAVE_AS",
                                               "ID_FILE_COMPARE_WITH",
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
    EXPECT_EQ(ActionNames(Menu("menuView")),
              (std::vector<std::string>{"ID_VIEW_TOOLBAR", "ID_VIEW_STATUS_BAR", "|",
                                        "ID_VIEW_CHART", "ID_VIEW_YEAR_DETAILS", "ID_VIEW_WHAT_IF",
                                        "ID_VIEW_RISK", "ID_VIEW_SCENARIOS"}));
    EXPECT_EQ(ActionNames(Menu("menuExport")),
              (std::vector<std::string>{"ID_FILE_EXPORT_CSV", "ID_FILE_EXPORT_PDF"}));
    EXPECT_EQ(ActionNames(Menu("menuHelp")),
              (std::vector<std::string>{"ID_HELP", "ID_HELP_EXAMPLE_PLAN", "|", "ID_APP_ABOUT"}));
}

TEST(CommandTable, NamesEachCommandOnceInTheOrderOfItsIdentity) {
    const std::vector<Command> table = CommandTable();
    ASSERT_EQ(table.size(), kCommandCount);
    std::set<std::string> ids;
    for (std::size_t index = 0; index < table.size(); ++index) {
        EXPECT_EQ(static_cast<std::size_t>(table[index].command), index) << table[index].id;
        EXPECT_TRUE(ids.insert(table[index].id).second) << table[index].id;
    }
}

TEST_F(CommandVocabularyTest, EveryEnabledCommandCanBeReached) {
    std::set<const QAction*> reachable;
    for (const QMenu* menu : Frame().menuBar()->findChildren<QMenu*>())
        for (const QAction* action : menu->actions())
            reachable.insert(action);
    for (const QAction* action : ToolBar().actions())
        reachable.insert(action);
    for (const Command& command : CommandTable()) {
        const QAction* action = Frame().GetAction(command.command);
        ASSERT_NE(action, nullptr) << command.id;
        EXPECT_EQ(action->objectName(), QString::fromLatin1(command.id));
        EXPECT_TRUE(!action->isEnabled() || reachable.contains(action) ||
                    !action->shortcuts().isEmpty())
            << command.id << " is enabled but in no menu, toolbar or shortcut";
    }
}

TEST_F(CommandVocabularyTest, NoTwoCommandsShareAShortcut) {
    std::map<QString, QString> owners;
    for (const Command& command : CommandTable()) {
        for (const QKeySequence& keys : Frame().GetAction(command.command)->shortcuts()) {
            const QString text = keys.toString(QKeySequence::PortableText);
            const auto [owner, added] = owners.emplace(text, QString::fromLatin1(command.id));
            EXPECT_TRUE(added) << text.toStdString() << " belongs to "
                               << owner->second.toStdString() << " and " << command.id;
        }
    }
    EXPECT_GE(owners.size(), 20u) << "the specified accelerators and ours";
}

TEST_F(CommandVocabularyTest, AcceleratorLettersAreUniqueWithinEachMenu) {
    const auto expectUnique = [](const QList<QAction*>& actions, const QString& where) {
        std::map<QChar, QString> letters;
        for (const QAction* action : actions) {
            const QString text = QString(action->text()).replace(QStringLiteral("&&"), QString());
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            if (action->isSeparator() || at < 0 || at + 1 >= text.size())
                continue;
            const auto [owner, added] = letters.emplace(text[at + 1].toLower(), action->text());
            EXPECT_TRUE(added) << where.toStdString() << ": " << owner->second.toStdString()
                               << " and " << action->text().toStdString();
        }
    };
    expectUnique(Frame().menuBar()->actions(), QStringLiteral("menu bar"));
    const QList<QMenu*> menus = Frame().menuBar()->findChildren<QMenu*>();
    EXPECT_GE(menus.size(), 5);
    for (const QMenu* menu : menus)
        expectUnique(menu->actions(), menu->objectName());
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
