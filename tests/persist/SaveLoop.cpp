// Saves the two kill-loop plans in turn onto the file named by its argument, for ever,
// through the document's save. Writes '[' to standard output before each save and ']'
// after it, so that whoever kills it can tell whether the kill landed inside a save.
// With "restore" after the file, it puts back a save of it that a kill cut short, between
// '[' and ']', as the next open does, and then waits to be killed.
#include "persist/CTessalyDoc.h"
#include "persist/SaveBackup.h"
#include "tests/persist/KillLoopPlans.h"
#include "tests/platform/support/RecordingUiServices.h"

#include <string_view>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[2]) == "restore") {
        if (::write(STDOUT_FILENO, "[", 1) != 1)
            return 1;
        RestoreInterruptedSave(argv[1]);
        if (::write(STDOUT_FILENO, "]", 1) != 1)
            return 1;
        for (;;)
            ::pause();
    }
    if (argc != 2)
        return 2;
    RecordingUiServices ui;
    CTessalyDoc document(ui);
    const Plan plans[] = {KillLoopPlan(0), KillLoopPlan(1)};
    for (int save = 0;; save = 1 - save) {
        document.m_plan = plans[save];
        if (::write(STDOUT_FILENO, "[", 1) != 1 || !document.OnSaveDocument(argv[1]) ||
            ::write(STDOUT_FILENO, "]", 1) != 1)
            return 1;
    }
}
