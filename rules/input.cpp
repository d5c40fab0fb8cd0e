// A tick's input made from held-key bits, as the game, the headless test and
// the replays all build it.
#include "rules/rules.h"

InputFrame input_frame(uint32_t held, uint32_t prev)
{
    InputFrame in;
    in.left = held & INPUT_LEFT;
    in.right = held & INPUT_RIGHT;
    in.up_held = held & INPUT_UP;
    in.down = held & INPUT_DOWN;
    in.jump_pressed = (held & INPUT_UP) && !(prev & INPUT_UP);
    in.action_pressed = (held & INPUT_ACTION) && !(prev & INPUT_ACTION);
    in.throw_pressed = (held & INPUT_THROW) && !(prev & INPUT_THROW);
    return in;
}
