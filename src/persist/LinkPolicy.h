#pragma once

#include <filesystem>
#include <system_error>

// The file that a save to path writes: symbolic links are followed, so that the file they
// name is replaced and the link stays, but only where the kernel's protected_symlinks rule
// would follow them: a link in a sticky folder that everyone may write is followed only
// when it belongs to this user or to the folder's owner. Anyone could have planted it
// there to make this user's save overwrite (or create) a file of their choosing.
std::error_code ResolveLinksForSave(const std::filesystem::path& path,
                                    std::filesystem::path& resolved);
