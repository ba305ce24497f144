#include "cli/CommandArguments.h"
#include "cli/ExitStatus.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

TEST(CommandArgumentsTest, CountsTheFilesAfterTheOptions) {
    const CommandSyntax oneFile{{"--json"}, {"--until-age"}};
    const CommandSyntax twoFiles{{}, {}, FileCount{2, "needs IN and OUT", "only IN and OUT"}};
    const CommandSyntax uncounted{{}, {}, std::nullopt};
    constexpr int kParsed = -1;
    const std::string help = "\nTry 'orbelan-cli --help'.\n";
    struct Case {
        const CommandSyntax& syntax;
        std::vector<std::string> args;
        int status;
        std::string err;
        std::vector<std::string> operands;
    };
    const Case cases[] = {
        {oneFile, {"--until-age", "90", "a"}, kParsed, "", {"a"}},
        {oneFile, {"--until-age", "a"}, kExitUsage, "orbelan-cli: missing FILE" + help, {}},
        {oneFile, {"a", "--json", "b"}, kExitUsage, "orbelan-cli: more than one FILE" + help, {}},
        {oneFile, {"a", "b", "--help"}, kExitSuccess, "", {}},
        {oneFile, {"--bogus"}, kExitUsage, "orbelan-cli: unknown option '--bogus'" + help, {}},
        {twoFiles, {"a", "b"}, kParsed, "", {"a", "b"}},
        {twoFiles, {"a"}, kExitUsage, "orbelan-cli: needs IN and OUT" + help, {}},
        {twoFiles, {"a", "b", "c"}, kExitUsage, "orbelan-cli: only IN and OUT" + help, {}},
        {uncounted, {}, kParsed, "", {}},
        {uncounted, {"a", "b", "c"}, kParsed, "", {"a", "b", "c"}},
        {uncounted, {"a", "-5", "-"}, kParsed, "", {"a", "-5", "-"}},
        {uncounted, {"-5x"}, kExitUsage, "orbelan-cli: unknown option '-5x'" + help, {}},
        {oneFile, {"--json", "--", "--json"}, kParsed, "", {"--json"}},
        {twoFiles, {"--", "-a", "--"}, kParsed, "", {"-a", "--"}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& given = cases[i];
        std::ostringstream out;
        std::ostringstream err;
        const auto parsed = ParseCommandArguments(given.args, given.syntax, out, err);
        const int* status = std::get_if<int>(&parsed);
        EXPECT_EQ(status ? *status : kParsed, given.status) << "case " << i;
        EXPECT_EQ(err.str(), given.err) << "case " << i;
        EXPECT_EQ(status ? std::vector<std::string>{} : std::get<CommandArguments>(parsed).operands,
                  given.operands)
            << "case " << i;
    }
}
