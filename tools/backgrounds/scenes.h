// The 24 scenes, one per theme, grouped by the world their levels lie in.
#pragma once

#include "paint.h"

struct Scene {
    void (*paint)(cairo_t* cr, Rng& rng);
    Calm calm;
};

// Themes 0..9: Christmas Eve, deep blue night with lit windows and stars.
extern const Scene eve_scenes[10];
// Themes 10..15: Santa's Realm, northern lights and workshop warmth.
extern const Scene realm_scenes[6];
// Themes 16..23: the Elves' Farm, dusk over barns and snow fields.
extern const Scene farm_scenes[8];
