#include "dialogs/PlanEditors.h"

#include "dialogs/CExpenseDlg.h"
#include "dialogs/CGeneralDataDlg.h"
#include "dialogs/CIncomeDlg.h"

#include <algorithm>

namespace {

// An empty list gets a placeholder item to edit, which goes again, with whatever was added
// after it, unless the user accepts the dialog.
bool OpenItemEditor(CItemBrowserDlg& dialog, bool& planReplaced, std::int32_t& index,
                    const DialogRunner& run, const QString& field) {
    if (planReplaced) {
        planReplaced = false;
        index = 0;
    }
    const bool placeholder = dialog.Count() == 0;
    if (placeholder) {
        dialog.AppendItem();
        dialog.DiscardItemsOnCancel();
        index = 0;
    }
    // An index from before the list shrank elsewhere must still name an item.
    index = std::clamp(index, 0, static_cast<std::int32_t>(dialog.Count()) - 1);
    if (!field.isEmpty())
        dialog.EditOnOpen(field);
    const int result = dialog.DoModal(run);
    if (!placeholder)
        return dialog.m_bChanged;
    if (result == QDialog::Accepted)
        return true;
    while (dialog.Count() > 0)
        dialog.EraseItem(dialog.Count() - 1);
    return false;
}

} // namespace

bool EditGeneralData(QWidget* parent, Plan& plan, UiServices& ui, const DialogRunner& run,
                     const QString& field) {
    CGeneralDataDlg dialog(plan, ui, parent);
    dialog.FocusOnOpen(field);
    return dialog.DoModal(run) == QDialog::Accepted;
}

bool EditIncome(QWidget* parent, Plan& plan, bool& planReplaced, std::int32_t& index,
                UiServices& ui, const DialogRunner& run, const QString& field) {
    CIncomeDlg dialog(plan, index, ui, parent);
    return OpenItemEditor(dialog, planReplaced, index, run, field);
}

bool EditExpenses(QWidget* parent, Plan& plan, bool& planReplaced, std::int32_t& index,
                  UiServices& ui, const DialogRunner& run, const QString& field) {
    CExpenseDlg dialog(plan, index, ui, parent);
    return OpenItemEditor(dialog, planReplaced, index, run, field);
}
