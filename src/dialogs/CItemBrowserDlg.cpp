#include "dialogs/CItemBrowserDlg.h"

#include "dialogs/DialogWidgets.h"
#include "platform/UiServices.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

CItemBrowserDlg::CItemBrowserDlg(std::int32_t& index, UiServices& ui, std::string itemKind,
                                 QWidget* parent)
    : QDialog(parent), m_pIndex(&index), m_ok(MakeButton(this, tr("OK"), QStringLiteral("ok"))),
      m_cancel(MakeButton(this, tr("Cancel"), QStringLiteral("cancel"))),
      m_prev(MakeButton(this, tr("Prev"), QStringLiteral("prev"))),
      m_next(MakeButton(this, tr("Next"), QStringLiteral("next"))),
      m_edit(MakeButton(this, tr("Edit"), QStringLiteral("edit"))),
      m_insert(MakeButton(this, tr("Insert"), QStringLiteral("insert"))),
      m_add(MakeButton(this, tr("Add"), QStringLiteral("add"))),
      m_delete(MakeButton(this, tr("Delete"), QStringLiteral("delete"))), m_ui(ui),
      m_itemKind(std::move(itemKind)) {
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CItemBrowserDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CItemBrowserDlg::reject);
    connect(m_prev, &QPushButton::clicked, this, &CItemBrowserDlg::OnPrev);
    connect(m_next, &QPushButton::clicked, this, &CItemBrowserDlg::OnNext);
    connect(m_edit, &QPushButton::clicked, this, &CItemBrowserDlg::OnEdit);
    connect(m_insert, &QPushButton::clicked, this, &CItemBrowserDlg::OnInsert);
    connect(m_add, &QPushButton::clicked, this, &CItemBrowserDlg::OnAdd);
    connect(m_delete, &QPushButton::clicked, this, &CItemBrowserDlg::OnDelete);
}

void CItemBrowserDlg::Finish(QLayout* fields, QWidget* nameField, std::vector<QWidget*> tabOrder) {
    auto* navigation = new QHBoxLayout;
    navigation->addWidget(m_prev);
    navigation->addWidget(m_next);
    navigation->addStretch();
    for (QPushButton* button : {m_edit, m_insert, m_add, m_delete})
        navigation->addWidget(button);

    QHBoxLayout* closing = MakeClosingRow(m_ok, m_cancel);

    auto* page = new QVBoxLayout(this);
    page->addLayout(fields);
    page->addSpacing(DialogUnitsToPixels(*this, 12));
    page->addLayout(navigation);
    page->addSpacing(DialogUnitsToPixels(*this, 6));
    page->addLayout(closing);
    // A fixed frame, like the templates' modal frame.
    page->setSizeConstraint(QLayout::SetFixedSize);

    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    m_nameField = nameField;
    m_tabWidgets = std::move(tabOrder);
}

std::size_t CItemBrowserDlg::Count() const {
    return m_pItems->Count();
}

void CItemBrowserDlg::AppendItem() {
    m_pItems->Insert(m_pItems->Count());
}

void CItemBrowserDlg::EraseItem(std::size_t index) {
    m_pItems->Erase(index);
}

int CItemBrowserDlg::DoModal(const DialogRunner& run) {
    Show();
    EnableFields(false);
    EnableNavigation(true);
    m_bNewItem = false;
    m_ok->setFocus();
    if (!m_startField.isEmpty()) {
        OnEdit();
        FocusField(*this, m_startField);
    }
    return run(*this);
}

void CItemBrowserDlg::OnPrev() {
    const std::size_t i = Current();
    SetCurrent(i > 0 ? i - 1 : Count() - 1);
    Show();
}

void CItemBrowserDlg::OnNext() {
    const std::size_t i = Current();
    SetCurrent(i + 1 < Count() ? i + 1 : 0);
    Show();
}

void CItemBrowserDlg::OnInsert() {
    m_pItems->Insert(Current());
    Show();
    OnEdit();
    m_bNewItem = true;
}

void CItemBrowserDlg::OnAdd() {
    AppendItem();
    SetCurrent(Count() - 1);
    Show();
    OnEdit();
    m_bNewItem = true;
}

void CItemBrowserDlg::OnDelete() {
    EraseItem(Current());
    if (Current() == Count())
        SetCurrent(Current() - 1);
    Show();
    // A deletion cannot be taken back, so Cancel no longer pretends it can.
    m_cancel->setEnabled(false);
    m_bChanged = true;
    if (Count() < 2)
        m_delete->setEnabled(false);
}

void CItemBrowserDlg::accept() {
    if (IsBrowsing()) {
        if (Store())
            QDialog::accept();
        return;
    }
    if (!Store())
        return;
    m_bNewItem = false;
    m_bChanged = true;
    // The controls show what was stored, so that the closing OK stores the same again.
    Show();
    ReturnToBrowse();
}

void CItemBrowserDlg::reject() {
    // Esc and the close box follow the Cancel button, which a deletion disables.
    if (!m_cancel->isEnabled())
        return;
    if (m_bNewItem)
        EraseItem(Current());
    if (Current() == Count())
        SetCurrent(Current() - 1);
    m_bNewItem = false;
    if (IsBrowsing()) {
        if (ConfirmDiscard())
            QDialog::reject();
        return;
    }
    Show();
    ReturnToBrowse();
}

void CItemBrowserDlg::EnableFields(bool on) {
    for (QWidget* widget : m_tabWidgets)
        widget->setEnabled(on);
}

void CItemBrowserDlg::EnableNavigation(bool on) {
    for (QPushButton* button : {m_prev, m_next, m_insert, m_add, m_edit})
        button->setEnabled(on);
    if (on) {
        m_ok->setEnabled(true);
        m_cancel->setEnabled(true);
        if (Count() >= 2)
            m_delete->setEnabled(true);
    } else {
        m_delete->setEnabled(false);
    }
}

void CItemBrowserDlg::OnEdit() {
    EnableFields(true);
    EnableNavigation(false);
    m_nameField->setFocus();
}

void CItemBrowserDlg::ReturnToBrowse() {
    EnableFields(false);
    EnableNavigation(true);
    m_ok->setFocus();
}

void CItemBrowserDlg::Show() {
    m_pItems->Load(Current());
    m_exchange.Show();
}

bool CItemBrowserDlg::Store() {
    m_pItems->Load(Current());
    if (!m_exchange.Read(m_ui))
        return false;
    m_pItems->Store(Current());
    return true;
}

// Items the user committed (m_bChanged) are asked about before Cancel discards them.
bool CItemBrowserDlg::ConfirmDiscard() const {
    if (!m_bDiscardOnCancel || !m_bChanged)
        return true;
    const std::size_t count = Count();
    return m_ui.AskYesNo("Discard the " + std::to_string(count) + " " + m_itemKind +
                         (count == 1 ? " item" : " items") + " entered in this dialog?");
}

// The Prev button tells the modes apart: it is enabled only while browsing.
bool CItemBrowserDlg::IsBrowsing() const {
    return m_prev->isEnabled();
}

std::size_t CItemBrowserDlg::Current() const {
    return static_cast<std::size_t>(*m_pIndex);
}

void CItemBrowserDlg::SetCurrent(std::size_t index) {
    *m_pIndex = static_cast<std::int32_t>(index);
}
