#pragma once

#include "platform/ViewBase.h"

#include <QTreeWidget>

#include <cstdint>
#include <optional>

class CTessalyDoc;
class QEvent;
class QKeyEvent;
class QPaintEvent;
class UiServices;
struct PlanProblem;

// The projection as a report list, one row per year, and the target of the plan commands.
// It shows the document's results; it never computes them.
class CTessalyView : public QTreeWidget, public ViewBase {
    Q_OBJECT

public:
    explicit CTessalyView(UiServices& ui, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    // Rebuilds the whole list from the document's results table.
    void OnUpdate(ViewBase* sender, long hint) override;

    // The year of the selected row, carried by the row itself: its display may change.
    std::optional<std::int32_t> SelectedYear() const;
    // Makes the year's row current and selected and scrolls to it; a year not listed is ignored.
    void SelectYear(std::int32_t year);

    // Room for every column whole beside a vertical scroll bar, so that the panes beside the
    // list give way before a number is cut: as much of it as the screen has beyond the room the
    // panes need. On a small screen the list scrolls sideways instead.
    QSize minimumSizeHint() const override;

    void AddProjectionRow(std::int32_t year, std::int32_t income, std::int32_t totalAssets,
                          std::int32_t availableAssets, std::int32_t withdrawals);

    // The Edit commands: each runs its dialog on the document's plan in place and marks
    // the document modified when the plan changed.
    void OnEditGeneralData();
    void OnEditIncome();
    void OnEditExpenses();

    // Opens the dialog where a plan check's problem is fixed, editing its item at its field.
    void OnFixProblem(const PlanProblem& problem);

    void OnCalculate();
    // Starts the first calculator found along PATH; says nothing when there is none.
    void OnRunCalculator();

    CTessalyDoc* m_pPlanDoc = nullptr;
    // The items the Expenses and Income dialogs open on.
    std::int32_t m_nExpenseIndex = -1;
    std::int32_t m_nIncomeIndex = -1;

signals:
    // The selected year changed, or the selection emptied.
    void selectedYearChanged(std::optional<std::int32_t> year);
    // The list has been filled anew from the document.
    void rowsReplaced();
    // A dialog changed the plan, which does not notify the views.
    void planEdited();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // An empty list says how to get a projection.
    void paintEvent(QPaintEvent* event) override;

private:
    void MarkModified();
    void TellSelectedYear();
    // Each column at least its 100 pixels, and wide enough for its heading in any font.
    void FitColumnsToHeadings();

    UiServices& m_ui;
    std::optional<std::int32_t> m_toldYear;
};
