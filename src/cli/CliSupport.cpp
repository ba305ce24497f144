#include "cli/CliSupport.h"

#include "persist/SaveBackup.h"
#include "persist/UserMessages.h"

std::optional<PlanOpenResult> OpenForCli(const std::string& path, Plan& plan, std::ostream& err) {
    // The same rule as the window: an interrupted save is undone, or its backup named.
    const RestoreNotice restore = DescribeRestore(RestoreInterruptedSave(path), path);
    if (!restore.text.empty())
        err << "Warning: " << restore.text << ' ' << restore.detail << '\n';
    const PlanOpenResult result = OpenPlanFile(path, plan);
    switch (result.status) {
    case PlanOpenStatus::CannotOpen:
        // As the window and save say it: the file and the system's reason.
        err << kErrorOpeningFile << '\n' << FileErrorDetail(path, result.error) << '\n';
        return std::nullopt;
    case PlanOpenStatus::FormatError:
        err << kFileFormatError << '\n';
        return std::nullopt;
    case PlanOpenStatus::Opened:
        break;
    }
    return result;
}

bool OpenForProjection(const std::string& path, Plan& plan, std::ostream& err) {
    const auto opened = OpenForCli(path, plan, err);
    if (!opened)
        return false;
    if (opened->Damaged())
        err << "Warning: " << DamagedFileMessage(opened->damagedLine) << '\n';
    return true;
}
