#include "report/WorkingText.h"

std::string WorkingText() {
    return "Working it out...";
}
