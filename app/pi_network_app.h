// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The application object: runs the main window modally, then ends.
#pragma once

#include "platform/application.h"

namespace tavilo::app {

class PiNetworkApp : public platform::Application {
  public:
    PiNetworkApp();
    ~PiNetworkApp() override;

    // Runs the main window modally and returns false, so the program ends
    // with the window however it was closed.
    bool PrepareApplication() override;

  protected:
    const platform::MessageTable* GetMessageTable() const override { return &kMessageTable; }

  private:
    static const platform::MessageEntry kMessageRows[];
    static const platform::MessageTable kMessageTable;
};

}  // namespace tavilo::app
