// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The window system on Qt Widgets.
#pragma once

#include <QIcon>
#include <map>
#include <vector>

#include "platform/dialog_host.h"

namespace tavilo::platform::qt {

class QtWindowSystem final : public WindowSystem {
  public:
    // The standard icon size, in device-independent pixels.
    static constexpr int kIconSize = 32;

    QtWindowSystem();
    ~QtWindowSystem() override;

    std::unique_ptr<DialogHost> CreateDialogHost(Dialog& dialog,
                                                 const DialogTemplate& dialogTemplate,
                                                 Dialog* owner) override;
    IconHandle LoadIcon(int iconId) override;
    int SystemMetric(int index) const override;
    void PrepareDesktopIntegration() override;

    // The icon behind a handle (a null icon for 0 or an unknown handle).
    QIcon Icon(IconHandle handle) const;

    // Icon group `iconId` read from the program's resources, with every image
    // the group holds.
    static QIcon IconFor(int iconId);

  private:
    std::vector<QIcon> icons_;  // handle n is icons_[n - 1]
    std::map<int, IconHandle> loaded_;
};

}  // namespace tavilo::platform::qt
