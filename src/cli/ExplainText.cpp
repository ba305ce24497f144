#include "cli/ExplainText.h"

#include "persist/NumberText.h"
#include "report/GroupedNumber.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace {

// Past this a label, such as a very long item name, pushes its own amount out instead of
// every line's.
constexpr std::size_t kWidestLabel = 60;

// Characters as a terminal counts them: UTF-8 continuation bytes take no column.
std::size_t Columns(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(),
        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::size_t Indent(const ExplanationLine& line) {
    return line.emphasised ? 0 : 2 * static_cast<std::size_t>(line.depth);
}

} // namespace

void WriteExplanation(const std::function<void(const ExplanationLineSink&)>& lines,
                      std::ostream& out) {
    std::size_t labels = 0;
    std::size_t amounts = 0;
    lines([&](const ExplanationLine& line) {
        if (!line.amount)
            return;
        labels = std::max(labels, std::min(kWidestLabel, Indent(line) + Columns(line.label)));
        amounts = std::max(amounts, GroupedNumber(*line.amount).size());
    });
    std::string text;
    lines([&](const ExplanationLine& line) {
        const std::size_t indent = Indent(line);
        text.assign(indent, ' ');
        text += line.label;
        if (line.amount) {
            const std::string amount = GroupedNumber(*line.amount);
            const std::size_t used = indent + Columns(line.label);
            text.append(used < labels ? labels - used : 0, ' ');
            text.append(2 + amounts - amount.size(), ' ');
            text += amount;
        }
        text += '\n';
        out << text;
    });
}

ExplanationText CliExplanationText() {
    return {[](float rate) { return FormatSixDigits(static_cast<double>(rate)); }, GroupedNumber};
}
