#pragma once

#include "model/PlanDate.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QWidget;
class UiServices;

// Moves values between a dialog's controls and variables, in the order the fields were
// bound. The variables are a draft: the dialog copies the stored values in before either
// direction and copies them back only after every field was accepted.
class DataExchange {
public:
    void Integer(QLineEdit& edit, std::int32_t& value);
    void Real(QLineEdit& edit, float& value);
    void Check(QCheckBox& box, bool& value);
    void Name(QLineEdit& edit, std::string& value);
    void Date(QDateEdit& edit, PlanDate& value);

    void Show() const;
    // Reads every field; at the first refused one tells the user, puts the focus on that
    // field and returns false.
    bool Read(UiServices& ui) const;

private:
    struct Binding {
        std::function<void()> show;
        // The refusal message, or nothing when the field was accepted.
        std::function<std::optional<std::string>()> read;
        QWidget* control;
    };

    std::vector<Binding> m_bindings;
};
