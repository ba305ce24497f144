#include "session/OpenAnswer.h"

#include "persist/UserMessages.h"

OpenAnswer AskOpen(const std::string& path, Plan& plan, bool withChecks) {
    OpenAnswer answer;
    answer.restore = RestoreInterruptedSave(path);
    const RestoreNotice notice = DescribeRestore(answer.restore, path);
    if (!notice.text.empty())
        answer.restoreNotice = notice.text + ' ' + notice.detail;
    answer.result = OpenAfterRestore(answer.restore, path, plan);
    switch (answer.result.status) {
    case PlanOpenStatus::CannotOpen:
        // As the window and save say it: the file and the system's reason.
        answer.failure =
            std::string(kErrorOpeningFile) + '\n' + FileErrorDetail(path, answer.result.error);
        return answer;
    case PlanOpenStatus::FormatError:
        answer.failure = std::string(kFileFormatError);
        return answer;
    case PlanOpenStatus::Opened:
        break;
    }
    if (answer.result.Damaged())
        answer.damage.push_back(DamagedFileMessage(answer.result.damagedLine));
    if (answer.result.unreadBytes != 0)
        answer.damage.push_back(UnreadBytesMessage(answer.result.unreadBytes));
    if (withChecks)
        answer.problems = CheckPlan(plan);
    return answer;
}
