// The canvas of one window, over its SDL renderer: pictures decoded once, text rendered once per
// caption, font, size and colour and then kept as a texture.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/sdl/font_finder.h"
#include "platform/sdl/mapped_file.h"
#include "platform/sdl/sdl_handles.h"
#include "ui/canvas.h"

namespace metria {

// Fonts and decoded pictures shared by every window of the run.
class SdlResources {
 public:
  explicit SdlResources(FontFiles fonts) : m_fonts(std::move(fonts)) {}
  // Looks the faces up when the first caption is drawn: the first frame of the main menu has no
  // text, so the program shows it without waiting for fontconfig.
  explicit SdlResources(std::function<FontFiles()> find_fonts) : m_find_fonts(std::move(find_fonts)) {}
  SdlResources(const SdlResources&) = delete;
  SdlResources& operator=(const SdlResources&) = delete;

  // Null when the face cannot be opened (text is then not drawn).
  TTF_Font* font(const Font& font);
  // Null when the program has no such picture.
  SDL_Surface* picture(Picture picture);
  // The picture as 32-bit ARGB, its transparent colour clear: what windows copy into a texture.
  SDL_Surface* rgba_picture(Picture picture);
  // The picture resampled smoothly to width × height (see resampled), from the most detailed
  // drawing of it the program has; made once for the whole run.
  SDL_Surface* sized_picture(Picture picture, int width, int height);
  SDL_Surface* icon(Icon icon);
  // Makes the next picture not yet prepared ready for drawing at `scale` (its natural size resampled
  // too where the scale is not a whole one); false when all are.
  bool prepare_next_picture(double scale);

 private:
  const FontFiles& fonts();

  std::optional<FontFiles> m_fonts;
  std::function<FontFiles()> m_find_fonts;
  // Each face file is mapped once; every size of it is opened over the mapping, so that drawing
  // reads glyphs from memory instead of seeking in the file for each one. The fonts are declared
  // after the mappings, so they close before the memory they read is unmapped.
  std::map<Face, MappedFile> m_face_bytes;
  std::map<std::tuple<Face, int, bool>, FontPtr> m_open_fonts;
  // The pictures are the screens' own; a stretched picture also comes as a drawing five times as
  // large, made from the same source, from which it is reduced to the size it is shown at.
  SDL_Surface* detailed_picture(Picture picture);

  std::map<Picture, SurfacePtr> m_pictures;
  std::map<Picture, SurfacePtr> m_rgba_pictures;
  std::map<Picture, SurfacePtr> m_detailed_pictures;  // null: the picture has none
  std::map<std::tuple<Picture, int, int>, SurfacePtr> m_sized_pictures;
  int m_next_to_prepare = static_cast<int>(Picture::None) + 1;
  std::map<Icon, SurfacePtr> m_icons;
};

class SdlCanvas final : public Canvas {
 public:
  // The textures are the renderer's: the canvas must go before the renderer does. How a picture is
  // resampled follows from the size it is drawn at alone (repeats_pixels).
  SdlCanvas(SDL_Renderer* renderer, SdlResources& resources) : m_renderer(renderer), m_resources(resources) {}
  SdlCanvas(const SdlCanvas&) = delete;
  SdlCanvas& operator=(const SdlCanvas&) = delete;

  void fill_rect(const PixelRect& r, Color color) override;
  void draw_picture(Picture picture, const PixelRect& dest) override;
  int text_width(const Font& font, std::string_view text) override;
  int line_height(const Font& font) override;
  void draw_text(const Font& font, Color color, std::string_view text, int x, int y, const PixelRect& clip) override;

 private:
  using TextKey = std::tuple<Face, int, bool, std::uint8_t, std::uint8_t, std::uint8_t, std::string>;
  using WidthKey = std::tuple<Face, int, bool, std::string>;
  // Orders the keys above and finds them by the same tuple holding a string_view, so that a look-up
  // builds no string. Both sides are compared as string_view tuples: clang cannot compare a string
  // with a string_view inside a tuple.
  struct KeyLess {
    using is_transparent = void;
    template <typename A, typename B>
    bool operator()(const A& a, const B& b) const {
      return viewed(a) < viewed(b);
    }
    template <typename T>
    static const T& view_of(const T& member) {
      return member;
    }
    static std::string_view view_of(const std::string& member) { return member; }
    template <typename... T>
    static auto viewed(const std::tuple<T...>& key) {
      return std::apply([](const auto&... members) { return std::tuple(view_of(members)...); }, key);
    }
  };
  SDL_Texture* text_texture(const Font& font, Color color, std::string_view text);

  SDL_Renderer* m_renderer;
  SdlResources& m_resources;
  // By picture and drawn size.
  std::map<std::tuple<Picture, int, int>, TexturePtr> m_picture_textures;
  std::map<TextKey, TexturePtr, KeyLess> m_text_textures;
  // Labels are laid out on every frame: their captions are measured once.
  std::map<WidthKey, int, KeyLess> m_text_widths;
};

}  // namespace metria
