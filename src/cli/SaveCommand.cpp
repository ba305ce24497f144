#include "cli/SaveCommand.h"

#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"
#include "cli/StderrUiServices.h"
#include "persist/CTessalyDoc.h"
#include "persist/PlanFileNaming.h"
#include "platform/DocumentManager.h"
#include "platform/RecentFileList.h"

int RunSave(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseCommandArguments(
        args, {{}, {}, FileCount{2, "missing FILE", "more than two FILEs"}}, out, err);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const std::vector<std::string>& operands = std::get<CommandArguments>(parsed).operands;
    StderrUiServices ui(err);
    CTessalyDoc document(ui);
    // No recent files: the command leaves the program's settings alone.
    RecentFileList recentFiles(0);
    DocumentManager manager(document, recentFiles, ui, kPlanExtension);
    if (!manager.OpenDocumentFile(operands[0]))
        return kExitCannotOpen;
    return manager.DoSave(operands[1]) ? kExitSuccess : kExitCannotSave;
}
