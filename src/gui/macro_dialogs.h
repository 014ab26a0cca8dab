#pragma once

#include <functional>
#include <optional>

#include "core/ports.h"

class QWidget;

namespace vor {

// Shows the macro dialogs' models with their widgets: the dialog's answer
// (true for OK), or nothing when `model` is none of them.
std::optional<bool> execMacroDialog(DialogModel& model, QWidget* parent, MessagePort& messages,
                                    const std::function<void()>& help);

}  // namespace vor
