// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The data exchange between a window's controls and a form's text fields.
#pragma once

#include <span>
#include <string>

#include "platform/window.h"

namespace tavilo::platform {

enum class ExchangeDirection { ControlsToFields, FieldsToControls };

// One entry of a form's binding list: a control and the text field it shows.
template <class Form>
struct FieldBinding {
    ControlId control;
    std::string Form::*field;
};

// Copies the whole text of every bound field, in binding-list order, in the
// given direction. No conversion, no validation, no length limit: it cannot
// fail, and any text comes through unchanged.
template <class Form>
void ExchangeFields(Window& window, Form& form, std::span<const FieldBinding<Form>> bindings,
                    ExchangeDirection direction) {
    for (const FieldBinding<Form>& binding : bindings) {
        std::string& field = form.*binding.field;
        if (direction == ExchangeDirection::ControlsToFields) {
            field = window.ControlText(binding.control);
        } else {
            window.SetControlText(binding.control, field);
        }
    }
}

}  // namespace tavilo::platform
