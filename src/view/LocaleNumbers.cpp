#include "view/LocaleNumbers.h"

#include <QLocale>

NumberWords LocaleNumbers() {
    return {[](std::int64_t number) {
                return QLocale().toString(static_cast<qlonglong>(number)).toStdString();
            },
            [](std::int32_t tenths) {
                return QLocale().toString(tenths / 10.0, 'f', 1).toStdString();
            }};
}
