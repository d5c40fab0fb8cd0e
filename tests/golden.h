// Reference pictures for the picture tests: a drawn picture is compared with
// tests/golden/NAME.png, each channel of each pixel to within a small
// tolerance. FROSTOVA_REBASELINE=1 writes the reference instead (look at it
// before committing). A picture that differs is written beside the test
// program as NAME.actual.png for a look. The PNG reader and writer come with
// it.
#pragma once
#include <gtest/gtest.h>
#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "stb_image.h"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
// The writer is a foreign header: its own warnings are not ours to mend.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#include "stb_image_write.h"
#pragma GCC diagnostic pop

// The pixels of a surface of 32 bits per pixel inside a rectangle, as RGB
// bytes, whichever order its format keeps the channels in.
inline std::vector<unsigned char> surface_rgb(SDL_Surface* surface, int x0, int y0, int w, int h)
{
    std::vector<unsigned char> out;
    out.reserve((size_t)w * h * 3);
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++) {
            const uint32_t p = static_cast<const uint32_t*>(surface->pixels)[(size_t)y * (surface->pitch / 4) + x];
            uint8_t r, g, b;
            SDL_GetRGB(p, surface->format, &r, &g, &b);
            out.push_back(r);
            out.push_back(g);
            out.push_back(b);
        }
    return out;
}

inline void expect_golden(const std::string& name, const std::vector<unsigned char>& picture, int w, int h)
{
    const int TOLERANCE = 8;
    const std::string path = std::string(FROSTOVA_SOURCE_DIR) + "/tests/golden/" + name + ".png";
    const char* rebaseline = getenv("FROSTOVA_REBASELINE");
    if (rebaseline && strcmp(rebaseline, "1") == 0) {
        ASSERT_NE(stbi_write_png(path.c_str(), w, h, 3, picture.data(), 3 * w), 0) << path;
        return;
    }
    int rw = 0, rh = 0, channels = 0;
    unsigned char* reference = stbi_load(path.c_str(), &rw, &rh, &channels, 3);
    ASSERT_NE(reference, nullptr) << path << ": no reference picture; make rebaseline writes it";
    int differing = 0, first_x = -1, first_y = -1, worst = 0;
    if (rw == w && rh == h) {
        for (int i = 0; i < w * h; i++) {
            int d = 0;
            for (int k = 0; k < 3; k++)
                d = std::max(d, std::abs(picture[3 * i + k] - reference[3 * i + k]));
            if (d > TOLERANCE && differing++ == 0) {
                first_x = i % w;
                first_y = i / w;
            }
            worst = std::max(worst, d);
        }
    }
    stbi_image_free(reference);
    ASSERT_EQ(rw, w) << path;
    ASSERT_EQ(rh, h) << path;
    if (differing > 0)
        stbi_write_png((name + ".actual.png").c_str(), w, h, 3, picture.data(), 3 * w);
    EXPECT_EQ(differing, 0) << name << ": first at (" << first_x << ", " << first_y << "), worst channel difference "
                            << worst << "; the picture drawn is " << name << ".actual.png";
}

// expect_golden for the whole of a surface.
inline void expect_golden_surface(const std::string& name, SDL_Surface* surface)
{
    expect_golden(name, surface_rgb(surface, 0, 0, surface->w, surface->h), surface->w, surface->h);
}
