// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// The icon groups, embedded from res/icon/ at build time.
#include <cstddef>

#include "platform/resources.h"
#include "res/resource_ids.h"

extern const unsigned char tavilo_app_icon[];
extern const std::size_t tavilo_app_icon_size;

namespace tavilo::platform {

std::span<const std::byte> FindIconGroup(int iconId) {
    if (iconId != res::IDI_APP) return {};
    return {reinterpret_cast<const std::byte*>(tavilo_app_icon), tavilo_app_icon_size};
}

}  // namespace tavilo::platform
