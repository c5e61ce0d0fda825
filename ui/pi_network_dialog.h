// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The main window: the pi-network calculator.
#pragma once

#include "platform/dialog.h"
#include "ui/pi_network_form.h"

namespace tavilo::ui {

// The maker's notice behind the small "(c) " button.
inline constexpr const char* kNoticeCaption = "Copyright Notice";
inline constexpr const char* kNoticeText =
    "Tavilo is copyright (C) 2026 the Tavilo developers, who hold the rights to it.\n"
    "It is free for noncommercial use and may not be sold or resold.";

class PiNetworkDialog : public platform::Dialog {
  public:
    explicit PiNetworkDialog(platform::Dialog* parent = nullptr);
    ~PiNetworkDialog() override;

    const PiNetworkForm& form() const { return form_; }
    platform::IconHandle appIcon() const { return appIcon_; }

    bool PrepareDialog() override;

  protected:
    const platform::MessageTable* GetMessageTable() const override { return &kMessageTable; }
    void DoExchange(platform::ExchangeDirection direction) override;

    void OnSystemCommand(unsigned commandId, std::intptr_t lParam);
    void OnPaintWindow();
    platform::IconHandle OnDragIconQuery();
    void OnCalculate();
    void OnAirCaps();
    void OnVacuumCaps();
    void OnCalcInductor();
    void OnNotice();

  private:
    static const platform::MessageEntry kMessageRows[];
    static const platform::MessageTable kMessageTable;

    PiNetworkForm form_;
    platform::IconHandle appIcon_ = 0;  // shared; never released
};

}  // namespace tavilo::ui
