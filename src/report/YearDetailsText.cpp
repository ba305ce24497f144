#include "report/YearDetailsText.h"

std::string ItemHeading() {
    return "Item";
}

std::string AmountHeading(std::optional<std::int32_t> todaysMoneyYear) {
    if (!todaysMoneyYear)
        return "Amount";
    return "Amount in " + std::to_string(*todaysMoneyYear) + " money";
}

std::string YearDetailsNeedsCalculationText() {
    return "Calculate the plan, then choose a year.";
}

std::string ChooseYearText() {
    return "Choose a year in the list or on the chart to see how its figures came about.";
}
