#include "cli/SaveCommand.h"

#include "cli/CliCommands.h"
#include "cli/StderrUiServices.h"
#include "persist/CTessalyDoc.h"
#include "persist/PlanFileNaming.h"
#include "platform/DocumentManager.h"
#include "platform/RecentFileList.h"

int SavePlanCopy(const std::string& in, const std::string& out, std::ostream& err) {
    StderrUiServices ui(err);
    CTessalyDoc document(ui);
    // No recent files: the command leaves the program's settings alone.
    RecentFileList recentFiles(0);
    DocumentManager manager(document, recentFiles, ui, kPlanExtension);
    if (!manager.OpenDocumentFile(in))
        return kExitCannotOpen;
    return manager.DoSave(out) ? kExitSuccess : kExitCannotSave;
}
