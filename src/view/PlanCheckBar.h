#pragma once

#include "platform/ViewBase.h"
#include "report/PlanChecks.h"

#include <QFrame>

#include <cstddef>
#include <vector>

class CTessalyDoc;
class QLabel;
class QPushButton;

// The bar above the list that tells what makes the plan's projection meaningless or
// surprising, one problem at a time with its fix, and offers to open the dialog at the field
// to change. Hidden while the plan has none.
class PlanCheckBar : public QFrame, public ViewBase {
    Q_OBJECT

public:
    explicit PlanCheckBar(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate(ViewBase* sender, long hint) override;
    // Checks the document's plan again, after an edit that did not notify the views.
    void Recheck();

signals:
    // The user asked to fix the problem shown.
    void fixRequested(const PlanProblem& problem);

private:
    void ShowProblem();

    CTessalyDoc* m_pPlanDoc = nullptr;
    std::vector<PlanProblem> m_problems;
    std::size_t m_shown = 0;
    QLabel* m_text;
    QLabel* m_position;
    QPushButton* m_fix;
    QPushButton* m_next;
};
