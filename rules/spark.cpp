// The spark: crawls from cell corner to cell corner in legs of 48 pixels,
// turning at each corner by its fixed order of preference.
#include <cmath>
#include "rules/enemy_moves.h"

// Column and row steps of the four directions: right, down, left, up.
static const int crawl_dcol[4] = {1, 0, -1, 0};
static const int crawl_drow[4] = {0, 1, 0, -1};

static void crawl(Enemy& e, float step)
{
    int d = e.crawl_dir & 3;
    e.x += (float)crawl_dcol[d] * step;
    e.y += (float)crawl_drow[d] * step;
}

// At a corner: snaps to the cell, then tries clockwise, the reverse,
// anticlockwise and straight on. Returns 0 when the spark must wait.
static int choose_leg(Enemy& e)
{
    int col = (int)roundf(e.x / CELL_SIZE);
    int row = (int)roundf(e.y / CELL_SIZE);
    e.x = CELL_SIZE * (float)col;
    e.y = CELL_SIZE * (float)row;
    int d = e.crawl_dir & 3;
    // d + 3 is the anticlockwise turn kept non-negative.
    const int order[4] = {(d + 1) & 3, (d + 2) & 3, (d + 3) & 3, d};
    for (int k = 0; k < 4; k++) {
        int t = order[k];
        if (cell_open(row + crawl_drow[t], col + crawl_dcol[t])) {
            e.crawl_dir = t;
            return 1;
        }
    }
    // Shut in on all four sides: it pushes on into the cell ahead, unless
    // that would take it out of the play area.
    e.crawl_dir = d;
    int ar = row + crawl_drow[d], ac = col + crawl_dcol[d];
    return cell_in_grid(ar, ac);
}

void spark_step(Enemy& e, float f)
{
    float s = 1.6f * f;
    if (e.leg_left > 0.0f) {
        float step = fminf(s, e.leg_left);
        e.leg_left -= step;
        crawl(e, step);
        return;
    }
    if (!choose_leg(e))
        return;
    float step = fminf(s, CELL_SIZE);
    e.leg_left = CELL_SIZE - step;
    crawl(e, step);
}
