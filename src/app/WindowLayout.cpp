#include "app/WindowLayout.h"

#include "app/CMainFrame.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QByteArray>
#include <QSplitter>

#include <string>

namespace {

const std::string kSection = "Window";
const std::string kGeometryKey = "Geometry";
const std::string kStateKey = "State";
const std::string kSplitterKey = "Splitter";
const std::string kChartVisibleKey = "ChartVisible";

// The settings hold text, so the binary layouts go in as Base64.
QByteArray ReadBytes(const SettingsStore& settings, const std::string& key) {
    const std::string text = settings.ReadString(kSection, key);
    return QByteArray::fromBase64(QByteArray::fromStdString(text));
}

void WriteBytes(SettingsStore& settings, const std::string& key, const QByteArray& bytes) {
    settings.WriteString(kSection, key, bytes.toBase64().toStdString());
}

} // namespace

void RestoreWindowLayout(CMainFrame& frame, const SettingsStore& settings) {
    // Qt moves a window whose saved place fits no screen of today onto one, and leaves the
    // window as it is for an empty value.
    frame.restoreGeometry(ReadBytes(settings, kGeometryKey));
    frame.restoreState(ReadBytes(settings, kStateKey));
    frame.GetSplitter().restoreState(ReadBytes(settings, kSplitterKey));
    const std::string chartVisible = settings.ReadString(kSection, kChartVisibleKey);
    if (!chartVisible.empty())
        frame.GetAction("ID_VIEW_CHART")->setChecked(chartVisible != "false");
}

void SaveWindowLayout(const CMainFrame& frame, SettingsStore& settings) {
    WriteBytes(settings, kGeometryKey, frame.saveGeometry());
    WriteBytes(settings, kStateKey, frame.saveState());
    WriteBytes(settings, kSplitterKey, frame.GetSplitter().saveState());
    settings.WriteString(kSection, kChartVisibleKey,
                         frame.GetAction("ID_VIEW_CHART")->isChecked() ? "true" : "false");
}
