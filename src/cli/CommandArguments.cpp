#include "cli/CommandArguments.h"

#include "cli/CliHelp.h"
#include "cli/ExitStatus.h"

#include <algorithm>
#include <cctype>
#include <charconv>

bool CommandArguments::Has(std::string_view flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

std::optional<std::string> CommandArguments::Value(std::string_view option) const {
    for (auto given = values.rbegin(); given != values.rend(); ++given)
        if (given->first == option)
            return given->second;
    return std::nullopt;
}

namespace {

// "-5": a year or an amount, never an option.
bool IsNegativeNumber(const std::string& arg) {
    return arg.size() > 1 && arg.front() == '-' &&
           std::all_of(
               arg.begin() + 1, arg.end(),
               [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

} // namespace

int Usage(std::ostream& err, const std::string& problem) {
    err << "orbelan-cli: " << problem << "\nTry 'orbelan-cli --help'.\n";
    return kExitUsage;
}

std::variant<CommandArguments, int> ParseCommandArguments(std::span<const std::string> args,
                                                          const CommandSyntax& syntax,
                                                          std::ostream& out, std::ostream& err) {
    const auto accepts = [](const std::vector<std::string_view>& options, const std::string& arg) {
        return std::find(options.begin(), options.end(), arg) != options.end();
    };
    CommandArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || IsNegativeNumber(arg)) {
            parsed.operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (accepts(syntax.flags, arg)) {
            parsed.flags.push_back(arg);
        } else if (accepts(syntax.valued, arg)) {
            if (i + 1 == args.size())
                return Usage(err, arg + " needs a value");
            parsed.values.emplace_back(arg, args[++i]);
        } else if (arg == "--help" || arg == "-h") {
            PrintHelp(out);
            return kExitSuccess;
        } else if (arg.size() > 1 && arg.front() == '-') {
            return Usage(err, "unknown option '" + arg + "'");
        } else {
            parsed.operands.push_back(arg);
        }
    }
    if (syntax.files && parsed.operands.size() != syntax.files->count) {
        return Usage(err, std::string(parsed.operands.size() < syntax.files->count
                                          ? syntax.files->missing
                                          : syntax.files->tooMany));
    }
    return parsed;
}

std::optional<std::int32_t> ParseWholeNumber(const std::string& text, std::int32_t first,
                                             std::int32_t last) {
    std::int32_t number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    // "-0" where no number may be negative is a slip, as it is for a seed.
    if (error != std::errc{} || stop != end || number < first || number > last ||
        (first >= 0 && text.starts_with('-')))
        return std::nullopt;
    return number;
}
