// The test screen for drawing that uses translated texts: when it goes, the
// text picture's textures go with their renderer, so the texts forget it.
#pragma once
#include "tests/screen.h"
#include "text/local.h"

struct TextScreen : TestScreen {
    using TestScreen::TestScreen;
    ~TextScreen()
    {
        forget_atlas();
    }
};
