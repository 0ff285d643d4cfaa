// Owning handles for SDL objects: each frees itself with the matching SDL call when it goes.
#pragma once

#include <memory>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Surface;
struct SDL_Cursor;
struct Mix_Chunk;
typedef struct _TTF_Font TTF_Font;

namespace metria {

struct SdlDeleter {
  void operator()(SDL_Window* window) const;
  // Also frees every texture still made with the renderer: textures must go first.
  void operator()(SDL_Renderer* renderer) const;
  void operator()(SDL_Texture* texture) const;
  void operator()(SDL_Surface* surface) const;
  void operator()(SDL_Cursor* cursor) const;
  void operator()(TTF_Font* font) const;
  void operator()(Mix_Chunk* chunk) const;
};

using WindowPtr = std::unique_ptr<SDL_Window, SdlDeleter>;
using RendererPtr = std::unique_ptr<SDL_Renderer, SdlDeleter>;
using TexturePtr = std::unique_ptr<SDL_Texture, SdlDeleter>;
using SurfacePtr = std::unique_ptr<SDL_Surface, SdlDeleter>;
using CursorPtr = std::unique_ptr<SDL_Cursor, SdlDeleter>;
using FontPtr = std::unique_ptr<TTF_Font, SdlDeleter>;
using ChunkPtr = std::unique_ptr<Mix_Chunk, SdlDeleter>;

}  // namespace metria
