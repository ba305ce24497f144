#include "dialogs/DataExchange.h"

#include "dialogs/FieldText.h"
#include "dialogs/NameText.h"
#include "dialogs/YearEdit.h"
#include "persist/NumberText.h"
#include "platform/UiServices.h"
#include "report/RangeText.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>

#include <limits>

void DataExchange::Integer(QLineEdit& edit, std::int32_t& value) {
    m_bindings.push_back({[&edit, &value] { edit.setText(FormatInteger(value)); },
                          [&edit, &value]() -> std::optional<std::string> {
                              const auto parsed = ParseInteger(edit.text());
                              if (!parsed && IsIntegerBeyondRange(edit.text().toStdString()))
                                  return IntegerRangeText();
                              if (!parsed)
                                  return kEnterInteger;
                              value = *parsed;
                              return std::nullopt;
                          },
                          &edit});
}

void DataExchange::Real(QLineEdit& edit, float& value) {
    m_bindings.push_back({[&edit, &value] { edit.setText(FormatReal(value)); },
                          [&edit, &value]() -> std::optional<std::string> {
                              const auto parsed = ParseReal(edit.text());
                              if (!parsed)
                                  return kEnterNumber;
                              value = *parsed;
                              return std::nullopt;
                          },
                          &edit});
}

void DataExchange::Check(QCheckBox& box, bool& value) {
    m_bindings.push_back({[&box, &value] { box.setChecked(value); },
                          [&box, &value]() -> std::optional<std::string> {
                              value = box.isChecked();
                              return std::nullopt;
                          },
                          &box});
}

void DataExchange::Name(QLineEdit& edit, std::string& value) {
    // A name read from a file may be of any length; the field's usual limit would cut it.
    edit.setMaxLength(std::numeric_limits<int>::max());
    m_bindings.push_back({[&edit, &value] {
                              edit.setText(NameForDisplay(value));
                              // Long names show their beginning, as a freshly opened field does.
                              edit.setCursorPosition(0);
                          },
                          [&edit, &value]() -> std::optional<std::string> {
                              value = NameFromEdit(edit.text(), value);
                              return std::nullopt;
                          },
                          &edit});
}

void DataExchange::Date(QDateEdit& edit, PlanDate& value) {
    m_bindings.push_back({[&edit, &value] { ShowYear(edit, value); },
                          [&edit, &value]() -> std::optional<std::string> {
                              value = ReadYear(edit, value);
                              return std::nullopt;
                          },
                          &edit});
}

void DataExchange::Show() const {
    for (const Binding& binding : m_bindings)
        binding.show();
}

bool DataExchange::Read(UiServices& ui) const {
    for (const Binding& binding : m_bindings) {
        if (const auto refusal = binding.read()) {
            ui.ShowMessage(*refusal);
            binding.control->setFocus();
            if (auto* edit = qobject_cast<QLineEdit*>(binding.control))
                edit->selectAll();
            return false;
        }
    }
    return true;
}
