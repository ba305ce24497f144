#include "app/WindowLayout.h"

#include "platform/SettingsStore.h"

#include <QByteArray>
#include <QMainWindow>

#include <string>

namespace {

const std::string kSection = "Window";
const std::string kGeometryKey = "Geometry";
const std::string kStateKey = "State";

// The settings hold text, so the binary layouts go in as Base64.
QByteArray ReadBytes(const SettingsStore& settings, const std::string& key) {
    const std::string text = settings.ReadString(kSection, key);
    return QByteArray::fromBase64(QByteArray::fromStdString(text));
}

void WriteBytes(SettingsStore& settings, const std::string& key, const QByteArray& bytes) {
    settings.WriteString(kSection, key, bytes.toBase64().toStdString());
}

} // namespace

void RestoreWindowLayout(QMainWindow& window, const SettingsStore& settings) {
    // Qt moves a window whose saved place fits no screen of today onto one.
    window.restoreGeometry(ReadBytes(settings, kGeometryKey));
    window.restoreState(ReadBytes(settings, kStateKey));
}

void SaveWindowLayout(const QMainWindow& window, SettingsStore& settings) {
    WriteBytes(settings, kGeometryKey, window.saveGeometry());
    WriteBytes(settings, kStateKey, window.saveState());
}
