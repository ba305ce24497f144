#include "dialogs/NameText.h"

#include "dialogs/Windows1252.h"

#include <QByteArrayView>
#include <QStringDecoder>

QString NameForDisplay(const std::string& bytes) {
    // A leading byte order mark stays visible, so that what is shown is what is stored.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    const QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return utf8.hasError() ? DecodeWindows1252(bytes) : text;
}

std::string NameFromEdit(const QString& text, const std::string& stored) {
    return text == NameForDisplay(stored) ? stored : text.toStdString();
}
