// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The coil calculator window.
#pragma once

#include "platform/dialog.h"
#include "ui/inductor_form.h"

namespace tavilo::ui {

class InductorDialog : public platform::Dialog {
  public:
    explicit InductorDialog(platform::Dialog* parent = nullptr);
    ~InductorDialog() override;

    const InductorForm& form() const { return form_; }

    // Opens with the L text of the main window that owns it.
    bool PrepareDialog() override;

  protected:
    const platform::MessageTable* GetMessageTable() const override { return &kMessageTable; }
    void DoExchange(platform::ExchangeDirection direction) override;

    void OnCalcTurns();
    void OnCalcL();

  private:
    static const platform::MessageEntry kMessageRows[];
    static const platform::MessageTable kMessageTable;

    InductorForm form_;
};

}  // namespace tavilo::ui
