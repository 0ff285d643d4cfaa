// The SDL calls that free each kind of object.
#include "platform/sdl/sdl_handles.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

namespace metria {

void SdlDeleter::operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
void SdlDeleter::operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
void SdlDeleter::operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
void SdlDeleter::operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
void SdlDeleter::operator()(SDL_Cursor* cursor) const { SDL_FreeCursor(cursor); }
void SdlDeleter::operator()(TTF_Font* font) const { TTF_CloseFont(font); }
void SdlDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

}  // namespace metria
