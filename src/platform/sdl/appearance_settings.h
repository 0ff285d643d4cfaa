// The desktop settings that make up the Preferences, as the XDG desktop portal and GSettings report
// them, and how they combine.
#pragma once

#include <glib.h>

#include <array>
#include <optional>
#include <string_view>

#include "ui/preferences.h"

namespace metria {

// Each is absent until a source has answered for it.
struct AppearanceSettings {
  std::optional<bool> contrast_high;        // org.freedesktop.appearance contrast (portal 1.19+)
  std::optional<bool> motion_reduced;       // org.freedesktop.appearance reduced-motion (portal 1.21+)
  std::optional<bool> gnome_high_contrast;  // org.gnome.desktop.a11y.interface high-contrast
  std::optional<bool> gnome_animations;     // org.gnome.desktop.interface enable-animations
};

// A setting as the portal names it. GNOME's namespaces are GSettings schema ids, so the same name
// reads the setting from GSettings when the portal does not answer.
struct SettingName {
  const char* name_space;
  const char* key;
};

inline constexpr std::array<SettingName, 4> kAppearanceSettingNames = {{
    {"org.freedesktop.appearance", "contrast"},
    {"org.freedesktop.appearance", "reduced-motion"},
    {"org.gnome.desktop.a11y.interface", "high-contrast"},
    {"org.gnome.desktop.interface", "enable-animations"},
}};

// Stores the value of one of the settings above, looking through any number of variant wrappings
// (the portal's first Settings interface wraps Read's answer once more than it declares). False
// for another setting or a value of the wrong type, which leaves the settings as they were.
bool store_setting(AppearanceSettings& settings, std::string_view name_space, std::string_view key, GVariant* value);

// The freedesktop setting where the portal has it, else GNOME's.
Preferences preferences_of(const AppearanceSettings& settings);

}  // namespace metria
