#pragma once

#include "dialogs/DataExchange.h"
#include "dialogs/DialogRunner.h"
#include "model/PlanQuestions.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPushButton;
class UiServices;

// The few questions of a first plan: birth date, retirement age, savings and their interest,
// salary and its growth, living costs, and a pension with the age it starts.
class CPlanQuestionsDlg : public QDialog {
public:
    CPlanQuestionsDlg(PlanAnswers& answers, UiServices& ui, QWidget* parent = nullptr);

    // Shows the answers given so far, then runs the dialog.
    int DoModal(const DialogRunner& run);

    void accept() override;

private:
    void LayOut();

    PlanAnswers* m_pAnswers;
    PlanAnswers m_draft;
    QDateEdit* m_dtBirthDate;
    QLineEdit* m_editRetirementAge;
    QLineEdit* m_editSavings;
    QLineEdit* m_editSavingsInterest;
    QLineEdit* m_editSalary;
    QLineEdit* m_editSalaryGrowth;
    QLineEdit* m_editLivingCosts;
    QLineEdit* m_editPension;
    QLineEdit* m_editPensionAge;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    UiServices& m_ui;
    DataExchange m_exchange;
};

// Asks the questions, starting from the answers given; true when the user accepted them.
bool AskPlanQuestions(QWidget* parent, PlanAnswers& answers, UiServices& ui,
                      const DialogRunner& run = RunModal);
