#include "report/QuestionsText.h"

std::string QuestionsIntro() {
    return "A few questions make a first plan. Give amounts a year, after tax.";
}
