#include "app/RiskInputsSetting.h"

#include "platform/SettingsStore.h"
#include "view/RiskPane.h"

#include <QString>

#include <optional>
#include <string>

namespace {

const std::string kSection = "Risk";
const std::string kSpreadKey = "Spread";
const std::string kPathsKey = "Paths";
const std::string kSeedKey = "Seed";
const std::string kAgeKey = "Age";

// A stored value that is no number, as a hand edit may leave, keeps the pane's own.
template <typename Number>
void ReadNumber(const SettingsStore& settings, const std::string& key, Number& value) {
    bool ok = false;
    const QString text = QString::fromStdString(settings.ReadString(kSection, key));
    const auto read = static_cast<Number>(text.toULongLong(&ok));
    if (ok && QString::number(read) == text)
        value = read;
}

} // namespace

void RememberRiskInputs(RiskPane& pane, SettingsStore& settings) {
    if (std::optional<RiskSettings> inputs = pane.Inputs()) {
        ReadNumber(settings, kSpreadKey, inputs->spread);
        ReadNumber(settings, kPathsKey, inputs->paths);
        ReadNumber(settings, kSeedKey, inputs->seed);
        ReadNumber(settings, kAgeKey, inputs->untilAge);
        pane.SetInputs(*inputs);
    }
    QObject::connect(&pane, &RiskPane::inputsChanged, &pane, [&pane, &settings] {
        const std::optional<RiskSettings> inputs = pane.Inputs();
        if (!inputs)
            return;
        settings.WriteString(kSection, kSpreadKey, std::to_string(inputs->spread));
        settings.WriteString(kSection, kPathsKey, std::to_string(inputs->paths));
        settings.WriteString(kSection, kSeedKey, std::to_string(inputs->seed));
        settings.WriteString(kSection, kAgeKey, std::to_string(inputs->untilAge));
    });
}
