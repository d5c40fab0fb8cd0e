// The test screen for drawing that uses translated texts: when it goes, the
// text picture's texture goes with its renderer, so the texts forget it.
#pragma once
#include "tests/screen.h"
#include "text/local.h"

struct TextScreen : TestScreen {
    using TestScreen::TestScreen;
    ~TextScreen()
    {
        atlas_texture = nullptr;
        atlas_language = -1;
    }
};
