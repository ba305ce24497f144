#pragma once

#include <string>
#include <string_view>

// The question asked before a document with unsaved changes is closed or replaced, by the
// window and the browser edition alike: "Save changes to home.Orbe?".
std::string SaveChangesQuestion(std::string_view name);
