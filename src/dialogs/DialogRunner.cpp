#include "dialogs/DialogRunner.h"

#include <QDialog>

int RunModal(QDialog& dialog) {
    return dialog.exec();
}
