// How many device pixels the program draws per pixel of its screen definitions on this display.
#pragma once

#include <optional>
#include <string_view>

namespace metria {

// What the desktop says about its scale, strongest first; each is absent when not set.
struct ScaleSettings {
  std::optional<double> xft_dpi;        // the Xft.dpi X resource, the desktop's text resolution
  std::optional<double> toolkit_scale;  // GDK_SCALE or QT_SCALE_FACTOR from the environment
  std::optional<double> display_dpi;    // SDL's measure of the display
  std::optional<double> screen_dpi;     // the X screen's own resolution (its size in millimetres)
};

// The scale the settings ask for, in steps of a quarter, never below 1.
double scale_of(const ScaleSettings& settings);

// The largest step not above `scale` at which the largest screen, with its title bar, fits into
// the usable area of the display.
double fit_scale(double scale, int usable_width, int usable_height);

// The value of Xft.dpi in the text of an X resource database, if it holds one.
std::optional<double> xft_dpi_of(std::string_view resources);

// A positive number, or nothing (unset, empty, not a number).
std::optional<double> positive_number(const char* text);

// Reads the settings from the display the video subsystem opened and from the environment.
ScaleSettings read_scale_settings();

}  // namespace metria
