#include "persist/ExportFile.h"

#include "persist/AtomicFileWriter.h"
#include "persist/UserMessages.h"
#include "platform/FilePaths.h"
#include "platform/UiServices.h"

bool WriteExportFile(const std::string& path, std::string_view bytes, UiServices& ui) {
    if (const std::error_code error = WriteFileSafely(PathFromUtf8(path), bytes)) {
        ui.ShowMessage(std::string(kErrorSavingFile), FileErrorDetail(path, error));
        return false;
    }
    return true;
}
