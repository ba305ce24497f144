#include "platform/SaveChangesQuestion.h"

std::string SaveChangesQuestion(std::string_view name) {
    return "Save changes to " + std::string(name) + '?';
}
