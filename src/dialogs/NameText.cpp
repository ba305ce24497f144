#include "dialogs/NameText.h"

#include "report/DisplayName.h"

#include <QByteArrayView>
#include <QStringDecoder>

QString NameForDisplay(const std::string& bytes) {
    const std::string text = DisplayName(bytes);
    // A leading byte order mark stays visible, so that what is shown is what is stored.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    return utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string NameFromEdit(const QString& text, const std::string& stored) {
    return text == NameForDisplay(stored) ? stored : text.toStdString();
}
