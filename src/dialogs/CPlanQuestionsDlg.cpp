#include "dialogs/CPlanQuestionsDlg.h"

#include "dialogs/DialogWidgets.h"
#include "dialogs/YearEdit.h"
#include "report/QuestionsText.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <cstddef>

CPlanQuestionsDlg::CPlanQuestionsDlg(PlanAnswers& answers, UiServices& ui, QWidget* parent)
    : QDialog(parent), m_pAnswers(&answers),
      m_dtBirthDate(MakeYearEdit(this, QStringLiteral("birthDate"))),
      m_editRetirementAge(MakeLineEdit(this, QStringLiteral("retirementAge"), 40)),
      m_editSavings(MakeLineEdit(this, QStringLiteral("savings"), 50)),
      m_editSavingsInterest(MakeLineEdit(this, QStringLiteral("savingsInterest"), 28)),
      m_editSalary(MakeLineEdit(this, QStringLiteral("salary"), 50)),
      m_editSalaryGrowth(MakeLineEdit(this, QStringLiteral("salaryGrowth"), 28)),
      m_editLivingCosts(MakeLineEdit(this, QStringLiteral("livingCosts"), 50)),
      m_editPension(MakeLineEdit(this, QStringLiteral("pension"), 50)),
      m_editPensionAge(MakeLineEdit(this, QStringLiteral("pensionAge"), 28)),
      m_ok(MakeButton(this, tr("OK"), QStringLiteral("ok"))),
      m_cancel(MakeButton(this, tr("Cancel"), QStringLiteral("cancel"))), m_ui(ui) {
    setWindowTitle(tr("New Plan from Questions"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CPlanQuestionsDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CPlanQuestionsDlg::reject);

    // The order in which the values are read, and so which refusal comes first.
    m_exchange.Date(*m_dtBirthDate, m_draft.birthDate);
    m_exchange.Integer(*m_editRetirementAge, m_draft.retirementAge);
    m_exchange.Integer(*m_editSavings, m_draft.savings);
    m_exchange.Real(*m_editSavingsInterest, m_draft.savingsInterest);
    m_exchange.Integer(*m_editSalary, m_draft.salary);
    m_exchange.Real(*m_editSalaryGrowth, m_draft.salaryGrowth);
    m_exchange.Integer(*m_editLivingCosts, m_draft.livingCosts);
    m_exchange.Integer(*m_editPension, m_draft.pension);
    m_exchange.Integer(*m_editPensionAge, m_draft.pensionAge);
    LayOut();
}

void CPlanQuestionsDlg::LayOut() {
    auto* intro = new QLabel(QString::fromUtf8(QuestionsIntro()) + QLatin1Char(' ') +
                                 tr("Every item can be changed afterwards from the Edit menu."),
                             this);
    intro->setWordWrap(true);

    auto* fields = new QGridLayout;
    const auto addRow = [this, fields](int row, const QString& label, QWidget* field,
                                       const QString& secondLabel = {}, QWidget* second = nullptr) {
        fields->addWidget(MakeLabel(this, label, field), row, 0);
        fields->addWidget(field, row, 1, Qt::AlignLeft);
        if (second == nullptr)
            return;
        fields->addWidget(MakeLabel(this, secondLabel, second), row, 2);
        fields->addWidget(second, row, 3, Qt::AlignLeft);
    };
    addRow(0, tr("Birth Date:"), m_dtBirthDate);
    addRow(1, tr("Retirement Age:"), m_editRetirementAge);
    addRow(2, tr("Savings Today:"), m_editSavings, tr("Interest Rate:"), m_editSavingsInterest);
    addRow(3, tr("Yearly Salary:"), m_editSalary, tr("Growth Rate:"), m_editSalaryGrowth);
    addRow(4, tr("Yearly Living Costs:"), m_editLivingCosts);
    addRow(5, tr("Yearly Pension:"), m_editPension, tr("From Age:"), m_editPensionAge);

    auto* page = new QVBoxLayout(this);
    page->addWidget(intro);
    page->addSpacing(DialogUnitsToPixels(*this, 6));
    page->addLayout(fields);
    page->addSpacing(DialogUnitsToPixels(*this, 12));
    page->addLayout(MakeClosingRow(m_ok, m_cancel));
    page->setSizeConstraint(QLayout::SetFixedSize);
    const std::array<QWidget*, 11> order{m_dtBirthDate,     m_editRetirementAge,
                                         m_editSavings,     m_editSavingsInterest,
                                         m_editSalary,      m_editSalaryGrowth,
                                         m_editLivingCosts, m_editPension,
                                         m_editPensionAge,  m_ok,
                                         m_cancel};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

int CPlanQuestionsDlg::DoModal(const DialogRunner& run) {
    m_draft = *m_pAnswers;
    m_exchange.Show();
    m_dtBirthDate->setFocus();
    return run(*this);
}

void CPlanQuestionsDlg::accept() {
    m_draft = *m_pAnswers;
    if (!m_exchange.Read(m_ui))
        return;
    *m_pAnswers = m_draft;
    QDialog::accept();
}

bool AskPlanQuestions(QWidget* parent, PlanAnswers& answers, UiServices& ui,
                      const DialogRunner& run) {
    CPlanQuestionsDlg dialog(answers, ui, parent);
    return dialog.DoModal(run) == QDialog::Accepted;
}
