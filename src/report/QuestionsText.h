#pragma once

#include <string>

// What the questions of a first plan ask of the answers, as the window's dialog and the
// browser's say before their fields; each edition then says where the plan is changed later.
std::string QuestionsIntro();
