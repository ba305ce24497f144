#include "app/SustainableAgeSetting.h"

#include "platform/SettingsStore.h"
#include "view/WhatIfPane.h"

#include <QString>

#include <string>

namespace {

const std::string kSection = "What If";
const std::string kAgeKey = "SustainableAge";

} // namespace

void RememberSustainableAge(WhatIfPane& pane, SettingsStore& settings) {
    bool ok = false;
    // The pane keeps an age within its range: a value edited out of it is brought back.
    const int age = QString::fromStdString(settings.ReadString(kSection, kAgeKey)).toInt(&ok);
    if (ok)
        pane.SetAge(age);
    QObject::connect(&pane, &WhatIfPane::ageChanged, &pane, [&settings](int changed) {
        settings.WriteString(kSection, kAgeKey, std::to_string(changed));
    });
}
