// Saves the two kill-loop plans in turn onto the file named by its argument, for ever,
// through the document's save. Writes '[' to standard output before each save and ']'
// after it, so that whoever kills it can tell whether the kill landed inside a save.
#include "persist/CTessalyDoc.h"
#include "tests/persist/KillLoopPlans.h"
#include "tests/platform/support/RecordingUiServices.h"

#include <unistd.h>

int main(int argc, char** argv) {
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
