#include "cli/CliSupport.h"

#include "persist/SaveBackup.h"
#include "persist/UserMessages.h"
#include "report/PlanChecks.h"

std::optional<PlanOpenResult> OpenForCli(const std::string& path, Plan& plan, std::ostream& err,
                                         RestoreResult* restore) {
    // The same rule as the window: an interrupted save is undone, or its backup named.
    const RestoreResult restored = RestoreInterruptedSave(path);
    if (restore != nullptr)
        *restore = restored;
    const RestoreNotice notice = DescribeRestore(restored, path);
    if (!notice.text.empty())
        err << "Warning: " << notice.text << ' ' << notice.detail << '\n';
    const PlanOpenResult result = OpenAfterRestore(restored, path, plan);
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

bool OpenForAnswers(const std::string& path, Plan& plan, std::ostream& err) {
    if (!OpenForProjection(path, plan, err))
        return false;
    if (const std::optional<PlanProblem> problem = NoFirstYearProblem(plan)) {
        err << "orbelan-cli: " << problem->sentence << '\n';
        return false;
    }
    return true;
}

bool OpenForProjection(const std::string& path, Plan& plan, std::ostream& err) {
    const auto opened = OpenForCli(path, plan, err);
    if (!opened)
        return false;
    if (opened->Damaged())
        err << "Warning: " << DamagedFileMessage(opened->damagedLine) << '\n';
    if (opened->unreadBytes != 0)
        err << "Warning: " << UnreadBytesMessage(opened->unreadBytes) << '\n';
    return true;
}

bool AgeCanBeAsked(const std::optional<std::string>& problem, std::ostream& err) {
    if (problem)
        err << "orbelan-cli: " << *problem << '\n';
    return !problem;
}
