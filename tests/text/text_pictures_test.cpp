// The text pictures and their tables, every language against its own texts:
// which run lists exist, what each list holds, how pieces are numbered,
// measured and packed, and that every picture is what its rectangles say.
#include "data/lang/text_pictures.h"
#include "draw/draw.h"
#include "text/picture_format.h"
#include "text/text.h"

#include <gtest/gtest.h>

#include "stb_image.h"

#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// Lengths of the generated arrays, which the language table cannot tell.
struct ArrayLengths {
    size_t runs, rects;
};
#define LENGTHS(code) { sizeof text_runs_##code / sizeof(int16_t), sizeof text_rects_##code / sizeof(int16_t) }
const ArrayLengths lengths[LANGUAGE_COUNT] = {
    LENGTHS(da), LENGTHS(sv), LENGTHS(nb), LENGTHS(fi), LENGTHS(is), LENGTHS(en), LENGTHS(de), LENGTHS(nl),
    LENGTHS(fr), LENGTHS(it), LENGTHS(es), LENGTHS(pt), LENGTHS(pt_BR), LENGTHS(pl), LENGTHS(cs), LENGTHS(hu),
    LENGTHS(ro), LENGTHS(el), LENGTHS(tr), LENGTHS(uk), LENGTHS(he), LENGTHS(ar), LENGTHS(fa), LENGTHS(ur),
    LENGTHS(hi), LENGTHS(bn), LENGTHS(th), LENGTHS(vi), LENGTHS(id), LENGTHS(ko), LENGTHS(ja), LENGTHS(zh),
};

// What a run list must hold, read straight from the text: literal stretches
// (spaces included) and placeholder numbers, in order.
struct Token {
    std::string stretch;  // empty for a placeholder
    int placeholder;      // 1..4, or 0 for a stretch
};

std::vector<Token> tokens_of(const char* text)
{
    std::vector<Token> tokens;
    std::string stretch;
    for (const char* p = text; *p; p++) {
        if (p[0] == '{' && p[1] >= '1' && p[1] <= '4' && p[2] == '}') {
            if (!stretch.empty())
                tokens.push_back({ stretch, 0 });
            stretch.clear();
            tokens.push_back({ "", p[1] - '0' });
            p += 2;
        } else {
            stretch += *p;
        }
    }
    if (!stretch.empty())
        tokens.push_back({ stretch, 0 });
    return tokens;
}

bool expects_big_list(int m)
{
    static const int both[] = { 1, 8, 10, 14, 15, 16, 20, 21, 22, 26, 27, 29, 111, 112 };
    if (m == 0 || (m >= 32 && m <= 58))
        return true;
    for (int b : both)
        if (b == m)
            return true;
    return false;
}

// The piece size a list's pieces must have: height and baseline.
struct Metrics {
    int height, baseline;
};
const Metrics SMALL = { PIECE_HEIGHT[KIND_SMALL], PIECE_BASELINE[KIND_SMALL] },
              BIG = { PIECE_HEIGHT[KIND_BIG], PIECE_BASELINE[KIND_BIG] },
              TITLE = { PIECE_HEIGHT[KIND_TITLE], PIECE_BASELINE[KIND_TITLE] };

struct Rect {
    int x, y, w, h, baseline;
};

Rect rect_of(const LanguageInfo& info, int piece)
{
    const int16_t* r = info.rects + RECT_FIELDS * (piece - 1);
    return { r[RECT_X], r[RECT_Y], r[RECT_W], r[RECT_H], r[RECT_BASELINE] };
}

// The stretch that each piece shows (index 0 unused), found through the
// first list that uses the piece.
std::vector<std::string> piece_stretches(int language)
{
    const LanguageInfo& info = language_table[language];
    std::vector<std::string> stretches(lengths[language].rects / RECT_FIELDS + 1);
    for (int m = 0; m < MESSAGE_COUNT; m++)
        for (int big = 0; big < 2; big++) {
            uint16_t at = info.run_index[2 * m + big];
            if (at == NO_LIST)
                continue;
            std::vector<Token> tokens = tokens_of(info.texts[m]);
            for (size_t t = 0; t < tokens.size(); t++) {
                int16_t v = info.runs[at + t];
                if (v > 0 && (size_t)v < stretches.size() && stretches[v].empty())
                    stretches[v] = tokens[t].stretch;
            }
        }
    return stretches;
}

}  // namespace

// Every list that ought to exist does, in every language; each holds exactly
// the stretches and placeholders of its text, in order; pieces are numbered by
// first use, a stretch that recurs in the same size reuses its piece, and
// every piece is used.
TEST(TextPictures, RunListsFollowTheTexts)
{
    for (int i = 0; i < LANGUAGE_COUNT; i++) {
        const LanguageInfo& info = language_table[i];
        SCOPED_TRACE(info.code);
        ASSERT_EQ(lengths[i].rects % 5, 0u);
        const int pieces = (int)(lengths[i].rects / RECT_FIELDS);
        std::map<std::pair<int, std::string>, int> piece_of;  // (size, stretch) -> piece
        std::map<int, std::pair<int, std::string>> stretch_of;
        size_t position = 0;
        int highest = 0;
        for (int m = 0; m < MESSAGE_COUNT; m++) {
            for (int big = 0; big < 2; big++) {
                SCOPED_TRACE("message " + std::to_string(m) + (big ? " big" : " small"));
                bool wanted = big ? expects_big_list(m) : m != 0;
                uint16_t at = info.run_index[2 * m + big];
                if (!wanted) {
                    EXPECT_EQ(at, NO_LIST);
                    continue;
                }
                // Lists lie one after another in message order, small before big.
                ASSERT_EQ(at, position);
                const int size = m == 0 ? 2 : big;
                std::vector<Token> tokens = tokens_of(info.texts[m]);
                ASSERT_LE(tokens.size(), 5u);
                ASSERT_LE(position + tokens.size() + 1, lengths[i].runs);
                for (size_t t = 0; t < tokens.size(); t++) {
                    int16_t v = info.runs[position + t];
                    if (tokens[t].placeholder) {
                        EXPECT_EQ(v, -tokens[t].placeholder);
                        continue;
                    }
                    ASSERT_GT(v, 0);
                    ASSERT_LE(v, pieces);
                    auto key = std::make_pair(size, tokens[t].stretch);
                    auto known = piece_of.find(key);
                    if (known != piece_of.end()) {
                        EXPECT_EQ(v, known->second) << "a recurring stretch must reuse its piece";
                    } else {
                        EXPECT_EQ(v, highest + 1) << "pieces are numbered by first use";
                        EXPECT_EQ(stretch_of.count(v), 0u) << "one piece serves two stretches";
                        piece_of[key] = v;
                        stretch_of[v] = key;
                        highest = v > highest ? v : highest;
                    }
                    const Metrics want = size == 2 ? TITLE : size == 1 ? BIG : SMALL;
                    Rect r = rect_of(info, v);
                    EXPECT_EQ(r.h, want.height);
                    EXPECT_EQ(r.baseline, want.baseline);
                    EXPECT_GT(r.w, 2 * PIECE_MARGIN) << "a piece has its two margins and some letters";
                }
                EXPECT_EQ(info.runs[position + tokens.size()], 0) << "a list ends with 0";
                position += tokens.size() + 1;
            }
        }
        EXPECT_EQ(position, lengths[i].runs) << "nothing follows the last list";
        EXPECT_EQ(highest, pieces) << "every piece is used";
    }
}

// Pieces lie in rows in piece order, 1 pixel apart; a piece that would pass
// x 2048 starts a new row 1 pixel below the tallest piece of the row before.
TEST(TextPictures, PiecesArePackedInRows)
{
    for (int i = 0; i < LANGUAGE_COUNT; i++) {
        const LanguageInfo& info = language_table[i];
        SCOPED_TRACE(info.code);
        int x = 0, y = 0, row_height = 0;
        for (int p = 1; p <= (int)(lengths[i].rects / RECT_FIELDS); p++) {
            Rect r = rect_of(info, p);
            ASSERT_LE(r.w, TEXT_PICTURE_WIDTH) << "piece " << p;
            if (x > 0 && x + r.w > TEXT_PICTURE_WIDTH) {
                x = 0;
                y += row_height + 1;
                row_height = 0;
            }
            EXPECT_EQ(r.x, x) << "piece " << p;
            EXPECT_EQ(r.y, y) << "piece " << p;
            x += r.w + 1;
            row_height = r.h > row_height ? r.h : row_height;
        }
        int width = 0, height = 0, channels = 0;
        const BuiltinPicture& picture = builtin_pictures[PICTURE_FIRST_LANGUAGE + i];
        ASSERT_TRUE(stbi_info_from_memory(picture.bytes, picture.length, &width, &height, &channels));
        EXPECT_EQ(width, TEXT_PICTURE_WIDTH);
        EXPECT_EQ(height, y + row_height) << "the picture ends below the last row";
    }
}

// The language table points at its own picture, with its length; the picture
// is an 8-bit grey-and-alpha PNG, and all its ink lies inside pieces; every
// piece but a gap of spaces holds some. One case per language, so that the
// slow decoding runs side by side.
class TextPicture : public testing::TestWithParam<int> {};

TEST_P(TextPicture, HoldsItsPiecesAndNothingElse)
{
    const int i = GetParam();
    const LanguageInfo& info = language_table[i];
    SCOPED_TRACE(info.code);
    const BuiltinPicture& picture = builtin_pictures[PICTURE_FIRST_LANGUAGE + i];
    ASSERT_EQ(info.atlas_png, picture.bytes);
    ASSERT_EQ(info.atlas_size, (uint64_t)picture.length);
    ASSERT_GT(picture.length, 33);
    // The header chunk: bit depth 8, colour type 4 (grey with alpha), not interlaced.
    EXPECT_EQ(picture.bytes[24], 8);
    EXPECT_EQ(picture.bytes[25], 4);
    EXPECT_EQ(picture.bytes[28], 0);

    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load_from_memory(picture.bytes, picture.length, &width, &height, &channels, 2);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(channels, 2);
    std::vector<int> owner((size_t)width * height, 0);
    const int pieces = (int)(lengths[i].rects / RECT_FIELDS);
    for (int p = 1; p <= pieces; p++) {
        Rect r = rect_of(info, p);
        ASSERT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= width && r.y + r.h <= height) << "piece " << p;
        for (int y = r.y; y < r.y + r.h; y++)
            for (int x = r.x; x < r.x + r.w; x++)
                owner[(size_t)y * width + x] = p;
    }
    std::vector<std::string> stretches = piece_stretches(i);
    std::vector<bool> inked(pieces + 1, false);
    int stray = 0;
    for (size_t k = 0; k < owner.size(); k++) {
        if (!pixels[2 * k + 1])
            continue;
        if (owner[k])
            inked[owner[k]] = true;
        else if (!stray++)
            ADD_FAILURE() << "ink outside every piece at (" << k % width << ", " << k / width << ")";
    }
    EXPECT_EQ(stray, 0);
    for (int p = 1; p <= pieces; p++)
        EXPECT_EQ(inked[p], stretches[p].find_first_not_of(' ') != std::string::npos)
            << "piece " << p << " \"" << stretches[p] << "\" is blank, or a gap holds ink";
    stbi_image_free(pixels);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TextPicture, testing::Range(0, (int)LANGUAGE_COUNT),
                         [](const testing::TestParamInfo<int>& p) { return std::string(language_code(p.param)); });
