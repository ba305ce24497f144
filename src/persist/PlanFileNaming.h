#pragma once

#include <string>

class RecentFileList;

// The full extension of plan files and its three-letter short form.
inline constexpr const char* kPlanExtension = ".Orbe";
inline constexpr const char* kPlanExtensionShort = ".Orb";

// Turns a file name whose extension contains ".Orb" but not ".Orbe" into one
// ending in ".Orbe". Only the file name is looked at, never a folder name.
std::string RepairPlanExtension(const std::string& path);

// Applies RepairPlanExtension to every entry of the list in place.
void FixRecentFileExtensions(RecentFileList& list);
