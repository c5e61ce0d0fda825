// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The About box.
#include "app/about_dialog.h"

#include "res/resource_ids.h"

namespace tavilo::app {

const platform::MessageTable AboutDialog::kMessageTable{&platform::Dialog::kMessageTable, {}};

AboutDialog::AboutDialog() : Dialog(res::IDD_ABOUT) {}

AboutDialog::~AboutDialog() = default;

}  // namespace tavilo::app
