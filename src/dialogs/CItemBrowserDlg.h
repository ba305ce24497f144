#pragma once

#include "dialogs/DataExchange.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/ItemList.h"

#include <QDialog>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class QLayout;
class QPushButton;
class UiServices;

// The browse and edit machinery of the item editors: pages through one of the plan's item
// lists and edits, inserts, appends or deletes its items in place. A subclass gives the list,
// lays out and binds the fields of one item, and lists the tab order.
class CItemBrowserDlg : public QDialog {
public:
    // Shows the item at the current index in browse mode, then runs the dialog.
    int DoModal(const DialogRunner& run);

    // Cancel is to remove every item, the dialog having been opened on an empty list; it asks
    // first when that would discard items the user committed here.
    void DiscardItemsOnCancel() { m_bDiscardOnCancel = true; }
    // The dialog is to open editing the current item with the focus on this field.
    void EditOnOpen(const QString& field) { m_startField = field; }

    std::size_t Count() const;
    void AppendItem();
    void EraseItem(std::size_t index);

    std::int32_t* m_pIndex;
    bool m_bChanged = false;

protected:
    // itemKind names the items in questions to the user: "income", "expense".
    CItemBrowserDlg(std::int32_t& index, UiServices& ui, std::string itemKind, QWidget* parent);

    // Puts the fields above the buttons; tabOrder is every tab stop in template order.
    void Finish(QLayout* fields, QWidget* nameField, std::vector<QWidget*> tabOrder);

    void accept() override;
    void reject() override;

    DataExchange m_exchange;
    // The list being edited, with the draft that the fields are bound to; the subclass that
    // holds it sets it in its constructor.
    ItemList* m_pItems = nullptr;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_prev;
    QPushButton* m_next;
    QPushButton* m_edit;
    QPushButton* m_insert;
    QPushButton* m_add;
    QPushButton* m_delete;

private:
    void OnPrev();
    void OnNext();
    void OnEdit();
    void OnInsert();
    void OnAdd();
    void OnDelete();
    void EnableFields(bool on);
    void EnableNavigation(bool on);
    void ReturnToBrowse();
    void Show();
    bool Store();
    bool IsBrowsing() const;
    std::size_t Current() const;
    void SetCurrent(std::size_t index);
    bool ConfirmDiscard() const;

    UiServices& m_ui;
    QWidget* m_nameField = nullptr;
    std::vector<QWidget*> m_tabWidgets;
    std::string m_itemKind;
    bool m_bNewItem = false;
    bool m_bDiscardOnCancel = false;
    QString m_startField;
};
