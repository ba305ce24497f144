#include "cli/RiskSettingsArguments.h"

#include "persist/NumberText.h"
#include "report/RangeText.h"
#include "report/RiskText.h"

std::optional<RiskSettings> ReadRiskSettings(const CommandArguments& arguments, std::ostream& err) {
    RiskSettings settings;
    settings.untilAge = kDefaultUntilAge;
    struct Whole {
        std::string_view option;
        std::int32_t first;
        std::int32_t last;
        std::int32_t& value;
        std::string problem;
    };
    const Whole wholes[] = {
        {"--paths", kMinRiskPaths, kMaxRiskPaths, settings.paths, PathsRangeText()},
        {"--spread", 0, kMaxRiskSpread, settings.spread, SpreadRangeText()},
    };
    for (const Whole& whole : wholes) {
        if (const std::optional<std::string> given = arguments.Value(whole.option)) {
            const std::optional<std::int32_t> number =
                ParseWholeNumber(*given, whole.first, whole.last);
            if (!number) {
                Usage(err, std::string(whole.option) + ": " + whole.problem);
                return std::nullopt;
            }
            whole.value = *number;
        }
    }
    if (!ReadUntilAge(arguments, settings.untilAge, err))
        return std::nullopt;
    if (const std::optional<std::string> given = arguments.Value("--seed")) {
        const std::optional<std::uint64_t> seed = ParseSeedText(*given);
        if (!seed) {
            Usage(err, "--seed: " + EnterSeedText());
            return std::nullopt;
        }
        settings.seed = *seed;
    }
    return settings;
}

bool ReadUntilAge(const CommandArguments& arguments, std::int32_t& age, std::ostream& err) {
    if (const std::optional<std::string> given = arguments.Value("--until-age")) {
        const std::optional<std::int32_t> number = ParseWholeNumber(*given, 0, kMaxUntilAge);
        if (!number) {
            Usage(err, "--until-age: " + UntilAgeRangeText());
            return false;
        }
        age = *number;
    }
    return true;
}
