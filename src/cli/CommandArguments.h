#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// How many FILE operands a command takes, and what it says when given fewer or more.
struct FileCount {
    std::size_t count = 1;
    std::string_view missing = "missing FILE";
    std::string_view tooMany = "more than one FILE";
};

// What a command accepts after its name: options that stand alone, options that take the
// next argument as their value, and its operands.
struct CommandSyntax {
    std::vector<std::string_view> flags;
    std::vector<std::string_view> valued;
    // Empty for a command whose options decide what operands it takes: it counts them itself.
    std::optional<FileCount> files = FileCount{};
};

// A command's arguments sorted into the options given and the operands, in their order.
struct CommandArguments {
    std::vector<std::string> flags;
    std::vector<std::pair<std::string, std::string>> values;
    std::vector<std::string> operands;

    bool Has(std::string_view flag) const;
    // The value of the option's last appearance; empty when it was not given.
    std::optional<std::string> Value(std::string_view option) const;
};

// Says what was wrong with the command line and where help is; returns the usage status.
int Usage(std::ostream& err, const std::string& problem);

// Sorts the arguments; on --help prints the help and gives success, and on an unknown option,
// an option without its value or the wrong number of FILEs says so and gives the usage status.
// A negative number ("-5") is an operand, and so is everything after "--".
std::variant<CommandArguments, int> ParseCommandArguments(std::span<const std::string> args,
                                                          const CommandSyntax& syntax,
                                                          std::ostream& out, std::ostream& err);

// A whole number from first to last, or empty; a minus sign is refused where first is not
// below 0, "-0" included.
std::optional<std::int32_t> ParseWholeNumber(const std::string& text, std::int32_t first,
                                             std::int32_t last);
