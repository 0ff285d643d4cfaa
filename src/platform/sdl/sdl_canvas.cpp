// Drawing with SDL_Renderer, SDL_ttf and SDL_image.
#include "platform/sdl/sdl_canvas.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "platform/sdl/embedded_files.h"
#include "platform/sdl/picture_surface.h"

namespace metria {

namespace {

SurfacePtr decode(std::string_view file) {
  const auto bytes = embedded_file(file);
  if (bytes.empty()) {
    std::fprintf(stderr, "metria: warning: the program has no picture %.*s\n", static_cast<int>(file.size()),
                 file.data());
    return nullptr;
  }
  SurfacePtr surface(IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1));
  if (!surface)
    std::fprintf(stderr, "metria: warning: cannot decode %s: %s\n", std::string(file).c_str(), IMG_GetError());
  return surface;
}

SDL_Rect sdl_rect(const PixelRect& r) { return {r.x, r.y, r.w, r.h}; }

// "gold_medal.gif" -> "gold_medal_5x.png"
std::string detailed_file(std::string_view file) { return std::string(file.substr(0, file.rfind('.'))) + "_5x.png"; }

}  // namespace

const FontFiles& SdlResources::fonts() {
  if (!m_fonts) m_fonts = m_find_fonts();
  return *m_fonts;
}

TTF_Font* SdlResources::font(const Font& font) {
  const auto key = std::make_tuple(font.face, font.pixels, font.bold);
  const auto found = m_open_fonts.find(key);
  if (found != m_open_fonts.end()) return found->second.get();
  const std::string& file = fonts().of(font.face);
  auto bytes = m_face_bytes.find(font.face);
  if (bytes == m_face_bytes.end())
    bytes =
        m_face_bytes.emplace(std::piecewise_construct, std::forward_as_tuple(font.face), std::forward_as_tuple(file))
            .first;
  // SDL_ttf sizes are points at 72 dpi, which makes the size a pixel size.
  FontPtr opened(bytes->second.size() == 0
                     ? nullptr
                     : TTF_OpenFontRW(SDL_RWFromConstMem(bytes->second.data(), static_cast<int>(bytes->second.size())),
                                      1, font.pixels));
  if (opened && font.bold) TTF_SetFontStyle(opened.get(), TTF_STYLE_BOLD);
  if (!opened && !file.empty())
    std::fprintf(stderr, "metria: warning: cannot open %s: %s\n", file.c_str(), TTF_GetError());
  return (m_open_fonts[key] = std::move(opened)).get();
}

SDL_Surface* SdlResources::picture(Picture picture) {
  const auto found = m_pictures.find(picture);
  if (found != m_pictures.end()) return found->second.get();
  return (m_pictures[picture] = decode(picture_info(picture).file)).get();
}

SDL_Surface* SdlResources::rgba_picture(Picture picture) {
  const auto found = m_rgba_pictures.find(picture);
  if (found != m_rgba_pictures.end()) return found->second.get();
  SDL_Surface* decoded = this->picture(picture);
  // Converting a colour-keyed surface to a format with alpha gives the key pixels alpha 0; only
  // such a picture needs blending, an opaque one is copied as it is.
  SurfacePtr rgba(decoded ? SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr);
  if (rgba) SDL_SetSurfaceBlendMode(rgba.get(), SDL_HasColorKey(decoded) ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
  return (m_rgba_pictures[picture] = std::move(rgba)).get();
}

SDL_Surface* SdlResources::detailed_picture(Picture picture) {
  const auto found = m_detailed_pictures.find(picture);
  if (found != m_detailed_pictures.end()) return found->second.get();
  const std::string file = detailed_file(picture_info(picture).file);
  return (m_detailed_pictures[picture] = embedded_file(file).empty() ? nullptr : decode(file)).get();
}

SDL_Surface* SdlResources::sized_picture(Picture picture, int width, int height) {
  const auto key = std::make_tuple(picture, width, height);
  const auto found = m_sized_pictures.find(key);
  if (found != m_sized_pictures.end()) return found->second.get();
  SDL_Surface* source = detailed_picture(picture);
  if (!source) source = this->picture(picture);
  return (m_sized_pictures[key] = source ? resampled(source, width, height) : nullptr).get();
}

bool SdlResources::prepare_next_picture(double scale) {
  if (m_next_to_prepare > static_cast<int>(kLastPicture)) return false;
  const auto next = static_cast<Picture>(m_next_to_prepare++);
  rgba_picture(next);
  detailed_picture(next);
  const PictureInfo info = picture_info(next);
  const int width = static_cast<int>(std::lround(info.width * scale));
  const int height = static_cast<int>(std::lround(info.height * scale));
  if (!repeats_pixels(next, width, height)) sized_picture(next, width, height);
  return true;
}

SDL_Surface* SdlResources::icon(Icon icon) {
  const auto found = m_icons.find(icon);
  if (found != m_icons.end()) return found->second.get();
  return (m_icons[icon] = decode(icon_file(icon))).get();
}

void SdlCanvas::fill_rect(const PixelRect& r, Color color) {
  const SDL_Rect rect = sdl_rect(r);
  SDL_SetRenderDrawColor(m_renderer, color.r, color.g, color.b, 255);
  SDL_RenderFillRect(m_renderer, &rect);
}

void SdlCanvas::draw_picture(Picture picture, const PixelRect& dest) {
  // A picture at a whole multiple of its own size repeats its pixels exactly (scale 1 draws it pixel
  // for pixel); any other size is resampled smoothly once to the exact size it is drawn at.
  const bool repeated = repeats_pixels(picture, dest.w, dest.h);
  const auto key = repeated ? std::make_tuple(picture, 0, 0) : std::make_tuple(picture, dest.w, dest.h);
  auto found = m_picture_textures.find(key);
  if (found == m_picture_textures.end()) {
    SDL_Surface* surface =
        repeated ? m_resources.rgba_picture(picture) : m_resources.sized_picture(picture, dest.w, dest.h);
    TexturePtr texture(surface ? SDL_CreateTextureFromSurface(m_renderer, surface) : nullptr);
    if (texture) SDL_SetTextureScaleMode(texture.get(), SDL_ScaleModeNearest);
    found = m_picture_textures.emplace(key, std::move(texture)).first;
  }
  if (!found->second) return;
  const SDL_Rect rect = sdl_rect(dest);
  SDL_RenderCopy(m_renderer, found->second.get(), nullptr, &rect);
}

int SdlCanvas::text_width(const Font& font, std::string_view text) {
  const auto found = m_text_widths.find(std::make_tuple(font.face, font.pixels, font.bold, text));
  if (found != m_text_widths.end()) return found->second;
  WidthKey key{font.face, font.pixels, font.bold, std::string(text)};
  TTF_Font* face = m_resources.font(font);
  int width = 0;
  if (!face || TTF_SizeUTF8(face, std::get<3>(key).c_str(), &width, nullptr) != 0) width = 0;
  m_text_widths.emplace(std::move(key), width);
  return width;
}

int SdlCanvas::line_height(const Font& font) {
  TTF_Font* face = m_resources.font(font);
  return face ? TTF_FontHeight(face) : font.pixels;
}

SDL_Texture* SdlCanvas::text_texture(const Font& font, Color color, std::string_view text) {
  const auto found =
      m_text_textures.find(std::make_tuple(font.face, font.pixels, font.bold, color.r, color.g, color.b, text));
  if (found != m_text_textures.end()) return found->second.get();
  TextKey key{font.face, font.pixels, font.bold, color.r, color.g, color.b, std::string(text)};
  TexturePtr texture;
  if (TTF_Font* face = m_resources.font(font)) {
    const SurfacePtr surface(TTF_RenderUTF8_Blended(face, std::get<6>(key).c_str(), {color.r, color.g, color.b, 255}));
    if (surface) texture.reset(SDL_CreateTextureFromSurface(m_renderer, surface.get()));
  }
  return m_text_textures.emplace(std::move(key), std::move(texture)).first->second.get();
}

void SdlCanvas::draw_text(const Font& font, Color color, std::string_view text, int x, int y, const PixelRect& clip) {
  SDL_Texture* texture = text_texture(font, color, text);
  if (!texture) return;
  int w = 0, h = 0;
  SDL_QueryTexture(texture, nullptr, nullptr, &w, &h);
  const SDL_Rect clip_rect = sdl_rect(clip);
  const SDL_Rect dest{x, y, w, h};
  SDL_RenderSetClipRect(m_renderer, &clip_rect);
  SDL_RenderCopy(m_renderer, texture, nullptr, &dest);
  SDL_RenderSetClipRect(m_renderer, nullptr);
}

}  // namespace metria
