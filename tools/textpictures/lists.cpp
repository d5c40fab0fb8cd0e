// Run lists and piece layout of one language's text picture.
#include "tools/textpictures/textpictures.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <utility>

// Messages drawn both small and big (world and level names, headings, the
// notices of the overlays); the title is big only, every other message small.
static bool has_big_list(int message)
{
    static const int both[] = { 1, 8, 10, 14, 15, 16, 20, 21, 22, 26, 27, 29, 111, 112 };
    if (message == 0 || (message >= 32 && message <= 58))
        return true;
    for (int m : both)
        if (m == message)
            return true;
    return false;
}

static bool has_small_list(int message) { return message != 0; }

// The placeholder number at p when it begins "{1}".."{4}", else 0.
static int placeholder_at(const char* p)
{
    return p[0] == '{' && p[1] >= '1' && p[1] <= '4' && p[2] == '}' ? p[1] - '0' : 0;
}

void build_lists(const char* const* texts, LanguageTables* tables)
{
    std::map<std::pair<PieceKind, std::string>, int> known;
    tables->runs.clear();
    tables->pieces.clear();
    for (int m = 0; m < 118; m++) {
        for (int size = 0; size < 2; size++) {
            bool wanted = size == 0 ? has_small_list(m) : has_big_list(m);
            if (!wanted) {
                tables->run_index[2 * m + size] = NO_LIST;
                continue;
            }
            PieceKind kind = m == 0 ? KIND_TITLE : size == 0 ? KIND_SMALL : KIND_BIG;
            tables->run_index[2 * m + size] = (uint16_t)tables->runs.size();
            int entries = 0;
            auto add = [&](int16_t v) {
                if (++entries > RUN_LIST_MOST)
                    fail("message " + std::to_string(m) + " makes a run list longer than " +
                         std::to_string(RUN_LIST_MOST) + " entries");
                tables->runs.push_back(v);
            };
            const char* text = texts[m];
            const char* stretch = text;
            for (const char* p = text;; p++) {
                int n = *p ? placeholder_at(p) : 0;
                if (*p && !n)
                    continue;
                if (p > stretch) {
                    std::string s(stretch, p);
                    if (s.find('\n') != std::string::npos)
                        fail("message " + std::to_string(m) + " holds a line break");
                    auto key = std::make_pair(kind, s);
                    auto found = known.find(key);
                    int piece;
                    if (found != known.end()) {
                        piece = found->second;
                    } else {
                        tables->pieces.push_back(Piece{ kind, s });
                        piece = (int)tables->pieces.size();
                        known[key] = piece;
                    }
                    add((int16_t)piece);
                }
                if (!*p)
                    break;
                add((int16_t)-n);
                p += 2;
                stretch = p + 1;
            }
            tables->runs.push_back(RUN_END);
        }
    }
    if (tables->runs.size() >= NO_LIST)
        fail("the run lists do not fit 16-bit positions");
}

bool pack_pieces(LanguageTables* tables, const char* code)
{
    bool fits = true;
    int x = 0, y = 0, row_height = 0;
    for (Piece& p : tables->pieces) {
        int w = p.advance + 2 * PIECE_MARGIN;
        if (w > TEXT_PICTURE_WIDTH) {
            std::fprintf(stderr, "textpictures: %s: \"%s\" is %d pixels wide, more than the picture\n", code,
                         p.text.c_str(), w);
            fits = false;
        }
        if (x > 0 && x + w > TEXT_PICTURE_WIDTH) {
            y += row_height + 1;
            x = 0;
            row_height = 0;
        }
        p.x = x;
        p.y = y;
        x += w + 1;
        if (PIECE_HEIGHT[p.kind] > row_height)
            row_height = PIECE_HEIGHT[p.kind];
    }
    tables->height = y + row_height;
    if (tables->height > 32767)
        fail("the picture is too high for 16-bit rectangles");
    return fits;
}
