// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Where the minimised main window draws its icon.
#pragma once

#include "platform/dialog_host.h"

namespace tavilo::ui {

struct IconOrigin {
    int x = 0;
    int y = 0;
    friend bool operator==(const IconOrigin&, const IconOrigin&) = default;
};

// Centres an icon in the client area, rounding half a pixel towards the right
// and bottom. Integer division truncates towards zero, so a client area two
// pixels narrower than the icon still gives x = 0, and three narrower x = -1.
constexpr IconOrigin CenteredIconOrigin(const platform::Rect& client, int iconWidth,
                                        int iconHeight) {
    return {(client.right - client.left - iconWidth + 1) / 2,
            (client.bottom - client.top - iconHeight + 1) / 2};
}

}  // namespace tavilo::ui
