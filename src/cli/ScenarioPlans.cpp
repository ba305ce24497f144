#include "cli/ScenarioPlans.h"

#include "cli/CliSupport.h"

std::optional<std::vector<Plan>> OpenScenarioPlans(std::span<const std::string> files,
                                                   std::vector<Plan> opened, std::ostream& err) {
    for (std::size_t p = opened.size(); p < files.size(); ++p) {
        opened.emplace_back();
        if (!OpenForProjection(files[p], opened.back(), err))
            return std::nullopt;
    }
    return opened;
}
