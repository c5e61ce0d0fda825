// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Dialog templates as data: every control's class, id, style, text, position
// and size in dialog units, in template order (also the tab and drawing order).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tavilo::platform {

enum class ControlClass { Button, Edit, Static };

struct ControlTemplate {
    ControlClass controlClass;
    int id;  // -1 for controls no code addresses
    std::uint32_t style;
    std::string_view text;
    int x, y, width, height;  // dialog units
    int iconId = 0;           // for an SS_ICON static: the icon group it shows
};

struct DialogTemplate {
    int id;
    std::uint32_t style;
    std::uint32_t extendedStyle;
    int x, y, width, height;  // dialog units
    std::string_view caption;
    std::string_view fontName;
    int fontPoints;
    std::span<const ControlTemplate> controls;
};

}  // namespace tavilo::platform
