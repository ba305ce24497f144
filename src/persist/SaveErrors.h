#pragma once

#include <system_error>

// Why a save failed where the system's reason alone would not tell the user.
enum class SaveFailure {
    // The state folder is there but is not the user's alone.
    BackupFolderNotPrivate = 1,
    // Another save holds the file.
    SaveInProgress,
    // The file was replaced between its check and its opening.
    FileReplacedDuringSave,
    // The name is that of a pipe, a device or a socket, which a save never writes into.
    NotARegularFile,
    // Another program's read lock keeps this save from the file's lock, and the state
    // folder, which would keep it apart from other saves then, cannot be used.
    UnprotectedSave,
};
std::error_code MakeSaveError(SaveFailure failure);

// A system error met while keeping the old bytes of a file in the state folder; its
// message names the folder.
std::error_code BackupFolderError(int systemError);
