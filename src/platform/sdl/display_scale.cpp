// Choosing the drawing scale: the desktop's own setting first, then what the display measures.
#include "platform/sdl/display_scale.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/sdl/x11_settings.h"
#include "ui/geometry.h"
#include "ui/scale.h"

namespace metria {

namespace {

constexpr double kReferenceDpi = 96.0;  // the definitions' pixels: 15 twips each
constexpr double kLargestScale = 8.0;
// The largest screen (数_JPB) measures 9615 × 6000 twips; a title bar is about 32 pixels at scale 1.
constexpr int kLargestClientWidth = 9615, kLargestClientHeight = 6000;
constexpr int kTitleBarPixels = 32;

double to_step(double raw) {
  const double stepped = std::round(raw / kScaleStep) * kScaleStep;
  return std::clamp(stepped, 1.0, kLargestScale);
}

}  // namespace

double scale_of(const ScaleSettings& settings) {
  // The desktop's choice (Xft.dpi, the toolkits' scale) wins over the measured size of the
  // display: a user who runs a dense screen at 100 % wants the program at 100 % too.
  if (settings.xft_dpi) return to_step(*settings.xft_dpi / kReferenceDpi);
  if (settings.toolkit_scale) return to_step(*settings.toolkit_scale);
  if (settings.display_dpi) return to_step(*settings.display_dpi / kReferenceDpi);
  if (settings.screen_dpi) return to_step(*settings.screen_dpi / kReferenceDpi);
  return 1.0;
}

double fit_scale(double scale, int usable_width, int usable_height) {
  double fitted = scale;
  while (fitted > 1.0 &&
         (to_pixels(kLargestClientWidth, fitted) > usable_width ||
          to_pixels(kLargestClientHeight, fitted) + static_cast<int>(std::lround(kTitleBarPixels * fitted)) >
              usable_height))
    fitted -= kScaleStep;
  return fitted;
}

std::optional<double> xft_dpi_of(std::string_view resources) {
  constexpr std::string_view kKey = "Xft.dpi:";
  std::size_t at = 0;
  while (at < resources.size()) {
    std::size_t end = resources.find('\n', at);
    if (end == std::string_view::npos) end = resources.size();
    const std::string_view line = resources.substr(at, end - at);
    if (line.starts_with(kKey)) return positive_number(std::string(line.substr(kKey.size())).c_str());
    at = end + 1;
  }
  return std::nullopt;
}

std::optional<double> positive_number(const char* text) {
  if (!text || !*text) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  while (end && (*end == ' ' || *end == '\t')) ++end;
  if (end == text || (end && *end) || !std::isfinite(value) || value <= 0.0) return std::nullopt;
  return value;
}

ScaleSettings read_scale_settings() {
  ScaleSettings settings;
  const X11Settings x11 = read_x11_settings();
  settings.xft_dpi = x11.xft_dpi;
  settings.screen_dpi = x11.screen_dpi;
  settings.toolkit_scale = positive_number(std::getenv("GDK_SCALE"));
  if (!settings.toolkit_scale) settings.toolkit_scale = positive_number(std::getenv("QT_SCALE_FACTOR"));
  float diagonal_dpi = 0.0f;
  if (SDL_GetDisplayDPI(0, &diagonal_dpi, nullptr, nullptr) == 0 && diagonal_dpi > 0.0f)
    settings.display_dpi = diagonal_dpi;
  return settings;
}

}  // namespace metria
