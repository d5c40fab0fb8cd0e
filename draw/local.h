// Shared inside the drawing subsystem only.
#pragma once
#include "draw/draw.h"

// The texture of built-in picture n; null, with the log line, when it does not decode.
SDL_Texture* picture_texture(int picture);
// Keeps the renderer and makes the textures of the sprite sheet, the frames, the bars and the band, which every screen draws.
void load_screen_textures(SDL_Renderer* renderer);
// Decodes a picture to 4 or 2 channels, or takes what a worker decoded
// ahead (4 channels only); null, with the log line, when it does not decode.
unsigned char* decode_picture(const unsigned char* bytes, int32_t length, int channels, int* w, int* h);
// When these picture bytes were handed to a worker to be decoded whole:
// waits for them and gives their RGBA pixels (null and the decoder's reason
// when they failed); false when they were not.
bool take_decoded_ahead(const unsigned char* bytes, unsigned char** pixels, int* w, int* h, const char** failure);
// When these picture bytes were handed to a worker to be packed: waits for
// them and gives the packed picture (no runs, and the log line, when they
// failed); false when they were not.
bool take_packed_ahead(const unsigned char* bytes, PackedPicture* packed);
// The channels a picture is packed with: 2 for grey (with or without
// alpha), 4 for anything else, and for bytes that are not a picture.
int32_t packed_channels(const unsigned char* bytes, int32_t length);
