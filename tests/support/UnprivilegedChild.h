#pragma once

#include <functional>
#include <string>

// The user and group that permission tests run as when the tests run as root.
inline constexpr unsigned kUnprivilegedId = 65534;

// Runs body in a forked child that, when the tests run as root, first drops to uid and gid
// 65534 with no supplementary groups, so that permission cases bind as they bind a user.
// The text that body returns comes back here; a child that dies gives a note saying so.
std::string RunAsUnprivilegedUser(const std::function<std::string()>& body);
