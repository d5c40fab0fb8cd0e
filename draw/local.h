// Shared inside the drawing subsystem only.
#pragma once
#include "draw/draw.h"

// The texture of built-in picture n; null, with the log line, when it does not decode.
SDL_Texture* picture_texture(int picture);
// Keeps the renderer and makes the textures of the sprite sheet, the frames, the bars and the band, which every screen draws.
void load_screen_textures(SDL_Renderer* renderer);
// Makes the half copy of a glyph sheet, named by its field in textures, once the sheet is there.
void make_glyph_half_copy(SDL_Texture* const* sheet);
// Makes the texture of a picture that load_first_textures left for later at
// once, waiting for its decoding; nothing when it is made or not left.
void make_later_texture_now(SDL_Texture* const* field);
// When these picture bytes were handed to be decoded ahead with this many
// channels: waits for them and gives their pixels (null and the decoder's
// reason when they failed); false when they were not.
bool take_decoded_ahead(const unsigned char* bytes, int channels, unsigned char** pixels, int* w, int* h,
                        const char** failure);
