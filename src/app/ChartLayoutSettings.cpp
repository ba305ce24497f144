#include "app/ChartLayoutSettings.h"

#include "app/CMainFrame.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QByteArray>
#include <QSplitter>

#include <string>

namespace {

constexpr const char* kSplitterKey = "Splitter";
constexpr const char* kChartVisibleKey = "ChartVisible";

} // namespace

void RestoreChartLayout(const SettingsStore& settings, CMainFrame& frame) {
    const std::string splitter = settings.ReadString(kWindowSection, kSplitterKey);
    if (!splitter.empty())
        frame.GetSplitter().restoreState(
            QByteArray::fromBase64(QByteArray::fromStdString(splitter)));
    const std::string chartVisible = settings.ReadString(kWindowSection, kChartVisibleKey);
    if (!chartVisible.empty())
        frame.GetAction("ID_VIEW_CHART")->setChecked(chartVisible != "false");
}

void SaveChartLayout(SettingsStore& settings, const CMainFrame& frame) {
    settings.WriteString(kWindowSection, kSplitterKey,
                         frame.GetSplitter().saveState().toBase64().toStdString());
    settings.WriteString(kWindowSection, kChartVisibleKey,
                         frame.GetAction("ID_VIEW_CHART")->isChecked() ? "true" : "false");
}
