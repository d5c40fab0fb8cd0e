// A software renderer on a 768 x 672 surface with the game's textures, made
// once for the drawing fuzzers.
#pragma once

// Makes the renderer and the textures on the first call.
void ensure_renderer();
