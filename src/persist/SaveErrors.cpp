#include "persist/SaveErrors.h"

#include "persist/PlanFileOpen.h"
#include "persist/StateFolder.h"

#include <cstring>
#include <string>

namespace {

// Values below zero are our own failures, above zero the system's errno.
class SaveErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "orbelan-save"; }
    std::string message(int value) const override {
        const std::string folder = SaveBackupFolderText();
        switch (static_cast<SaveFailure>(-value)) {
        case SaveFailure::BackupFolderNotPrivate:
            return "cannot keep the old bytes in " + folder +
                   ": it is not a folder that only you may use";
        case SaveFailure::SaveInProgress:
            return MakeOpenError(OpenFailure::SaveInProgress).message();
        case SaveFailure::FileReplacedDuringSave:
            return "the file was replaced by another one during the save";
        case SaveFailure::NotARegularFile:
            return "this is a pipe, a device or a socket, not a file; give the name of a file";
        case SaveFailure::UnprotectedSave:
            return "another program holds this file open with a lock, and " + folder +
                   " cannot be used to keep this save apart from other saves of it; close that "
                   "program and try again";
        }
        return "cannot keep the old bytes in " + folder + ": " + std::strerror(value);
    }
};

const SaveErrorCategory& SaveErrors() {
    static const SaveErrorCategory category;
    return category;
}

} // namespace

std::error_code MakeSaveError(SaveFailure failure) {
    return {-static_cast<int>(failure), SaveErrors()};
}

std::error_code BackupFolderError(int systemError) {
    return {systemError, SaveErrors()};
}
