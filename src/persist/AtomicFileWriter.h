#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <system_error>

// Replaces the contents of the file at target with bytes, or leaves it exactly as it was.
// A symbolic link stays a link: the file it points to is written, where the kernel's rule
// for links in shared sticky folders allows it (LinkPolicy.h).
//
// - An existing file that this process may not write, or that has no write bit at all, is
//   refused (even for root) and left untouched.
// - Normally the bytes go to a hidden temporary file in the same folder, which takes over
//   the file's owner, group, permission bits, ACL and user attributes, is synced and only
//   then renamed over the target.
// - A file with several hard links, a folder that cannot take the temporary file, or
//   attributes that the temporary file cannot take over (an owner this process may not
//   give away) make the file be written in place instead, its old bytes kept until the new
//   ones are synced (see InPlaceWriter.h).
// - A write in place of this file that a crash cut short is undone first (SaveBackup.h).
// - The file is opened without following links and must be the one that was checked; it
//   is locked for the whole save, and kept apart from other saves and restores of it even
//   when another user's read lock keeps it from its lock (SaveExclusion.h), so a second save
//   of it waits briefly and then fails.
// - Temporary files that killed saves of this file left behind are removed.
//
// Empty on success, otherwise the system's reason; no temporary file stays behind.
std::error_code WriteFileSafely(const std::filesystem::path& target, std::string_view bytes);

// The same, for callers that need only to know whether it worked.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Runs hook just before the checked file is opened, so that a test can swap it in between.
void SetBeforeOpenHookForTesting(std::function<void()> hook);
