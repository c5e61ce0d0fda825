// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The string table.
#include "platform/resources.h"
#include "res/resource_ids.h"

namespace tavilo::platform {

std::string_view LoadString(int stringId) {
    // The ampersand marks A as the item's access key.
    if (stringId == res::IDS_ABOUT_ITEM) return "&About Tavilo...";
    return {};
}

}  // namespace tavilo::platform
