// Reads the values of the desktop's contrast and motion settings and combines them.
#include "platform/sdl/appearance_settings.h"

namespace metria {

namespace {

// The freedesktop keys are enumerations: 0 means no preference, 1 asks for it; other values are
// left for the future and ask for nothing.
constexpr guint32 kAsked = 1;

std::optional<bool> asked_of(GVariant* value) {
  if (!g_variant_is_of_type(value, G_VARIANT_TYPE_UINT32)) return std::nullopt;
  return g_variant_get_uint32(value) == kAsked;
}

std::optional<bool> boolean_of(GVariant* value) {
  if (!g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN)) return std::nullopt;
  return g_variant_get_boolean(value) != FALSE;
}

// Stores into `field` when the value has the setting's type.
bool store(std::optional<bool>& field, std::optional<bool> value) {
  if (!value) return false;
  field = value;
  return true;
}

}  // namespace

bool store_setting(AppearanceSettings& settings, std::string_view name_space, std::string_view key, GVariant* value) {
  GVariant* inner = g_variant_ref(value);
  while (g_variant_is_of_type(inner, G_VARIANT_TYPE_VARIANT)) {
    GVariant* unwrapped = g_variant_get_variant(inner);
    g_variant_unref(inner);
    inner = unwrapped;
  }
  bool stored = false;
  if (name_space == "org.freedesktop.appearance" && key == "contrast") {
    stored = store(settings.contrast_high, asked_of(inner));
  } else if (name_space == "org.freedesktop.appearance" && key == "reduced-motion") {
    stored = store(settings.motion_reduced, asked_of(inner));
  } else if (name_space == "org.gnome.desktop.a11y.interface" && key == "high-contrast") {
    stored = store(settings.gnome_high_contrast, boolean_of(inner));
  } else if (name_space == "org.gnome.desktop.interface" && key == "enable-animations") {
    stored = store(settings.gnome_animations, boolean_of(inner));
  }
  g_variant_unref(inner);
  return stored;
}

Preferences preferences_of(const AppearanceSettings& settings) {
  Preferences preferences;
  preferences.high_contrast = settings.contrast_high.value_or(settings.gnome_high_contrast.value_or(false));
  preferences.reduced_motion = settings.motion_reduced.value_or(!settings.gnome_animations.value_or(true));
  return preferences;
}

}  // namespace metria
