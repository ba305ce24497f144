#include "app/WindowLayout.h"

#include "platform/SettingsStore.h"

#include <QAction>
#include <QByteArray>
#include <QMainWindow>
#include <QScreen>
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

QSize FirstWindowSize(const QWidget& window, QSize wanted) {
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return wanted;
    return wanted.boundedTo(screen->availableGeometry().size() * 9 / 10);
}

void RestoreWindowLayout(const WindowLayoutParts& parts, const SettingsStore& settings) {
    // Qt moves a window whose saved place fits no screen of today onto one, and leaves the
    // window as it is for an empty value.
    parts.window.restoreGeometry(ReadBytes(settings, kGeometryKey));
    parts.window.restoreState(ReadBytes(settings, kStateKey));
    parts.splitter.restoreState(ReadBytes(settings, kSplitterKey));
    const std::string chartVisible = settings.ReadString(kSection, kChartVisibleKey);
    if (!chartVisible.empty())
        parts.showChart.setChecked(chartVisible != "false");
}

void SaveWindowLayout(const WindowLayoutParts& parts, SettingsStore& settings) {
    WriteBytes(settings, kGeometryKey, parts.window.saveGeometry());
    WriteBytes(settings, kStateKey, parts.window.saveState());
    WriteBytes(settings, kSplitterKey, parts.splitter.saveState());
    settings.WriteString(kSection, kChartVisibleKey,
                         parts.showChart.isChecked() ? "true" : "false");
}
