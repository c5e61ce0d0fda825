// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The About box.
#pragma once

#include "platform/dialog.h"

namespace tavilo::app {

// Shows the icon, the version and the copyright line; every command is the
// framework's default, so OK, Enter, Escape and the close box end it.
class AboutDialog : public platform::Dialog {
  public:
    AboutDialog();
    ~AboutDialog() override;

  protected:
    const platform::MessageTable* GetMessageTable() const override { return &kMessageTable; }

  private:
    static const platform::MessageTable kMessageTable;
};

}  // namespace tavilo::app
