#pragma once

#include <QKeySequence>
#include <QList>

#include <cstddef>
#include <vector>

// Every command of the program by name, in the order of the command table: a misspelt command
// does not compile.
enum class CommandId {
    FileNew,
    FileNewFromQuestions,
    FileOpen,
    FileSave,
    FileSaveAs,
    FileCompareWith,
    FileExportCsv,
    FileExportPdf,
    FilePrint,
    FilePrintPreview,
    FilePrintSetup,
    FileMruFile1,
    FileMruFile2,
    FileMruFile3,
    FileMruFile4,
    AppExit,
    EditUndo,
    EditCut,
    EditCopy,
    EditPaste,
    EditGeneralData,
    EditExpenses,
    EditIncome,
    EditCalculate,
    ViewToolbar,
    ViewStatusBar,
    ViewChart,
    ViewYearDetails,
    ViewWhatIf,
    ViewRisk,
    ViewScenarios,
    Help,
    HelpExamplePlan,
    AppAbout,
    ContextHelp,
    ToolbarCalculate,
    RunCalculator,
    NextPane,
    PrevPane
};
inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(CommandId::PrevPane) + 1;

enum class CommandState { Enabled, Disabled, Checkable };

// One command of the program's vocabulary: its identity and id, its menu text (or, outside the
// menus, its short name), its accelerators, its prompt ("status bar prompt\ntooltip") and its
// picture, a theme icon with a bundled fallback or the bundled picture alone.
struct Command {
    CommandId command = CommandId::FileNew;
    // The action's object name.
    const char* id = nullptr;
    const char* text = nullptr;
    QList<QKeySequence> shortcuts = {};
    const char* prompt = nullptr;
    const char* themeIcon = nullptr;
    const char* iconFile = nullptr;
    CommandState state = CommandState::Enabled;
};

// Every command, in the order of the command table.
std::vector<Command> CommandTable();
