#include "cli/CliCommands.h"

#include "cli/CheckCommand.h"
#include "cli/CliHelp.h"
#include "cli/CommandArguments.h"
#include "cli/CompareCommand.h"
#include "cli/ExitStatus.h"
#include "cli/ExplainCommand.h"
#include "cli/GoalCommand.h"
#include "cli/ProjectCommand.h"
#include "cli/ReportCommand.h"
#include "cli/RiskCommand.h"
#include "cli/SaveCommand.h"
#include "cli/SensitivityCommand.h"
#include "cli/SustainCommand.h"

#include "persist/UserMessages.h"

#include <array>
#include <new>
#include <string_view>

namespace {

using CommandRunner = int (*)(std::span<const std::string> args, std::ostream& out,
                              std::ostream& err);

struct CliCommand {
    std::string_view name;
    CommandRunner run;
};

constexpr std::array kCommands{
    CliCommand{"project", RunProject}, CliCommand{"explain", RunExplain},
    CliCommand{"check", RunCheck},     CliCommand{"save", RunSave},
    CliCommand{"sustain", RunSustain}, CliCommand{"sensitivity", RunSensitivity},
    CliCommand{"report", RunReport},   CliCommand{"risk", RunRiskCommand},
    CliCommand{"compare", RunCompare}, CliCommand{"goal", RunGoalCommand},
};

} // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return Usage(err, "missing command");
    const std::string& command = args.front();
    if (command == "--help" || command == "-h") {
        PrintHelp(out);
        return kExitSuccess;
    }
    if (command == "--version" || command == "-v") {
        out << "orbelan-cli " ORBELAN_VERSION "\n";
        return kExitSuccess;
    }
    for (const CliCommand& known : kCommands) {
        if (command != known.name)
            continue;
        // Any command may meet a plan too large for the memory it may have: it says so
        // instead of aborting.
        try {
            return known.run(args.subspan(1), out, err);
        } catch (const std::bad_alloc&) {
            out.flush();
            err << kAllocationError << '\n';
            return kExitCannotCalculate;
        }
    }
    return Usage(err, "unknown command '" + command + "'");
}
