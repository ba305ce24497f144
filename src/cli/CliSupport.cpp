#include "cli/CliSupport.h"

#include "cli/ExitStatus.h"
#include "cli/LongRun.h"
#include "session/OpenAnswer.h"

namespace {

// The answer of a plan that opened; what the restore did and why a file did not open go to err.
std::optional<OpenAnswer> Open(const std::string& path, Plan& plan, std::ostream& err) {
    OpenAnswer answer = AskOpen(path, plan);
    if (!answer.restoreNotice.empty())
        err << "Warning: " << answer.restoreNotice << '\n';
    if (!answer.Opened()) {
        err << answer.failure << '\n';
        return std::nullopt;
    }
    return answer;
}

} // namespace

std::optional<PlanOpenResult> OpenForCli(const std::string& path, Plan& plan, std::ostream& err,
                                         RestoreResult* restore) {
    const std::optional<OpenAnswer> answer = Open(path, plan, err);
    if (!answer)
        return std::nullopt;
    if (restore != nullptr)
        *restore = answer->restore;
    return answer->result;
}

bool OpenForProjection(const std::string& path, Plan& plan, std::ostream& err) {
    const std::optional<OpenAnswer> answer = Open(path, plan, err);
    if (!answer)
        return false;
    for (const std::string& warning : answer->damage)
        err << "Warning: " << warning << '\n';
    return true;
}

int SayVerdict(const Verdict& verdict, std::ostream& err) {
    switch (verdict.status) {
    case AnswerStatus::Answered:
        return kExitSuccess;
    case AnswerStatus::InvalidBirthDate:
    case AnswerStatus::NoFirstYear:
        err << "orbelan-cli: " << verdict.sentence << '\n';
        return kExitCannotOpen;
    case AnswerStatus::AgeBeforeFirstYear:
        err << "orbelan-cli: " << verdict.sentence << '\n';
        return kExitUsage;
    case AnswerStatus::CannotCalculate:
        err << verdict.sentence << '\n';
        return kExitCannotCalculate;
    case AnswerStatus::Stopped:
        break;
    }
    err << kStoppedByInterrupt << '\n';
    return kExitInterrupted;
}
