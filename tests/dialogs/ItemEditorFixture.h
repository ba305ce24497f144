#pragma once

#include "model/Plan.h"
#include "tests/dialogs/DialogDriver.h"
#include "tests/platform/support/RecordingUiServices.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QDialog;

// A document's side of the item editors: its plan, its replaced flag, the view's index and a
// count of the times the document was marked modified.
class ItemEditorFixture : public testing::Test {
protected:
    void OpenIncome(std::function<void(QDialog&)> steps);
    void OpenExpenses(std::function<void(QDialog&)> steps);

    // Items named "A", "B", ... in order.
    void AddIncomes(int count);
    void AddExpenses(int count);
    std::vector<std::string> IncomeNames() const;
    std::vector<std::string> ExpenseNames() const;

    Plan m_plan;
    bool m_planReplaced = false;
    std::int32_t m_index = 0;
    RecordingUiServices m_ui;
    int m_modified = 0;
};

std::string ShownName(QDialog& dialog);
// Browse mode is told by the Prev button, as the dialog itself does.
bool Browsing(QDialog& dialog);
