// Translated-text drawing: a message's run list names pieces of the current
// language's text picture and placeholders; the placeholders take glyph text
// or nested messages; the line is shrunk to a maximal width, aligned, and
// laid out from the right in right-to-left languages.
#include "text/local.h"

#include "draw/draw.h"
#include "text/picture_format.h"

const LanguageInfo* text_languages = language_table;
TextAtlas atlas = {-1, {}, {}};

// The picture is rendered at twice the drawn size.
static const float PICTURE_TO_SCREEN = 1.0f / TEXT_PICTURE_SCALE;

// A big message with only a small list draws its small pieces enlarged by
// the ratio of the two line heights, 34 / 18, in single precision.
static const float ENLARGED_SCALE = 1.8888888f;

// The widest line draw_message lets a message take: the screen less a margin at each side.
static const int32_t SCREEN_TEXT_WIDTH = 736;

// The vertical and horizontal metrics of a small (0) and a big (1) line.
struct LineMetrics {
    float baseline;     // from the line's top to the pieces' baseline
    float height;       // the line height a shrunk line stays centred on
    int32_t text_trim;  // glyph text's width in a line, against text_width
    float text_shift;   // glyph text's x against its slot
};
static const LineMetrics line_metrics[2] = {
    {20.0f, 18.0f, -4, -3.0f},
    {35.0f, 34.0f, -6, -4.0f},
};

// The empty string a placeholder takes when its argument is missing.
static const char* const EMPTY_ARGUMENT = "";

// Message id's small (big 0) or big run list in a language; null when the
// message has no such list or the language has no text picture.
static const int16_t* run_list(const LanguageInfo& language, int32_t id, int32_t big)
{
    if (!language.runs || !language.run_index)
        return nullptr;
    uint16_t at = language.run_index[2 * id + (big ? 1 : 0)];
    return at == NO_LIST ? nullptr : language.runs + at;
}

// The highest placeholder number in a run list; 0 for none or no list.
static int32_t highest_placeholder(const int16_t* list)
{
    int32_t highest = 0;
    for (int32_t i = 0; list && i < LAYOUT_ITEMS && list[i] != RUN_END; i++)
        if (-list[i] > highest)
            highest = -list[i];
    return highest;
}

// How many of the given arguments message id may read: as many as the
// placeholders of its list and of the Danish small list ask for, at most 4,
// and never more than the caller passed.
static int32_t arguments_taken(int32_t id, int32_t big, int32_t arg_count)
{
    const LanguageInfo& language = text_languages[current_language];
    const int16_t* chosen = big ? run_list(language, id, 1) : nullptr;
    if (!chosen)
        chosen = run_list(language, id, 0);
    int32_t wanted = highest_placeholder(chosen);
    int32_t danish = highest_placeholder(run_list(text_languages[0], id, 0));
    if (danish > wanted)
        wanted = danish;
    if (wanted > MESSAGE_ARGS)
        wanted = MESSAGE_ARGS;
    if (arg_count < wanted)
        wanted = arg_count < 0 ? 0 : arg_count;
    return wanted;
}

// The pieces a language's run lists name: every piece below the highest.
static int32_t named_pieces(const LanguageInfo& language)
{
    int32_t pieces = 0;
    for (int32_t id = 0; id < MESSAGE_COUNT; id++)
        for (int32_t big = 0; big < 2; big++) {
            const int16_t* list = run_list(language, id, big);
            for (int32_t i = 0; list && i < LAYOUT_ITEMS && list[i] != RUN_END; i++)
                if (list[i] > pieces)
                    pieces = list[i];
        }
    return pieces;
}

void forget_atlas()
{
    free_packed_picture(&atlas.banded.picture);
    atlas.language = -1;
    atlas.banded = BandedPicture{};
}

void drop_atlas()
{
    destroy_band_textures(&atlas.banded);
    forget_atlas();
}

// Packs the current language's picture and plans its bands when the cache
// holds another language's or none; a picture that fails is tried again
// next time.
static void refresh_atlas()
{
    if (atlas.language == current_language)
        return;
    drop_atlas();
    const LanguageInfo& language = text_languages[current_language];
    if (!decode_packed_picture(language.atlas_png, (int32_t)(uint32_t)language.atlas_size, &atlas.banded.picture))
        return;
    int32_t pieces = named_pieces(language);
    if (pieces > MOST_PIECES)
        pieces = MOST_PIECES;
    for (int32_t p = 0; p < pieces; p++) {
        const int16_t* r = language.rects + RECT_FIELDS * p;
        atlas.pieces[p] = SDL_Rect{r[RECT_X], r[RECT_Y], r[RECT_W], r[RECT_H]};
    }
    plan_bands(&atlas.banded, atlas.pieces, pieces);
    atlas.language = current_language;
}

int32_t layout_message(int32_t id, int32_t big, const char* const* args, int32_t arg_count, LayoutItem items[LAYOUT_ITEMS],
                       float* total_width, float* scale)
{
    *total_width = 0.0f;
    *scale = 1.0f;
    if ((uint32_t)id >= MESSAGE_COUNT)
        return 0;
    const LanguageInfo& language = text_languages[current_language];
    const int16_t* big_list = big ? run_list(language, id, 1) : nullptr;
    if (big && !big_list)
        *scale = ENLARGED_SCALE;
    const int16_t* list = big_list ? big_list : run_list(language, id, 0);
    const LineMetrics& line = line_metrics[big ? 1 : 0];

    int32_t count = 0;
    for (; list && count < LAYOUT_ITEMS && list[count] != RUN_END; count++) {
        int32_t v = list[count];
        LayoutItem& item = items[count];
        item = LayoutItem{-1, nullptr, -1, 0.0f};
        if (v > 0) {
            item.piece = v - 1;
            int32_t w = language.rects[RECT_FIELDS * item.piece + RECT_W];
            item.width = (float)(w - 2 * PIECE_MARGIN) * PICTURE_TO_SCREEN * *scale;
        } else {
            int32_t slot = -v - 1;
            const char* arg = slot < arg_count && args && args[slot] ? args[slot] : EMPTY_ARGUMENT;
            if (arg[0] == MESSAGE_REF_MARK) {
                // A nested message is laid out on its own, without arguments,
                // so its placeholders are empty and it holds no reference.
                item.message = read_message_ref(arg);
                if (item.message >= 0) {
                    LayoutItem nested[LAYOUT_ITEMS];
                    float nested_scale;
                    layout_message(item.message, big, nullptr, 0, nested, &item.width, &nested_scale);
                }
            } else {
                item.text = arg;
                item.width = (float)(text_width(arg, big) + line.text_trim);
            }
        }
        *total_width += item.width;
    }
    return count;
}

void draw_message_runs(int32_t id, int32_t big, uint32_t colour, const char* const* args, int32_t arg_count, float x, float y,
                       float fit)
{
    LayoutItem items[LAYOUT_ITEMS];
    float total, scale;
    int32_t count = layout_message(id, big, args, arg_count, items, &total, &scale);
    if (count == 0)
        return;
    const LanguageInfo& language = text_languages[current_language];
    const LineMetrics& line = line_metrics[big ? 1 : 0];
    const float k = scale * fit * PICTURE_TO_SCREEN;
    const float baseline = y + line.baseline * fit;
    const float text_shift = line.text_shift * fit;

    // A right-to-left line keeps its items in reading order and puts the
    // first at the right end; it covers the same span either way.
    const bool rtl = language.rtl != 0;
    float pen = rtl ? x + total * fit : x;
    for (int32_t i = 0; i < count; i++) {
        const LayoutItem& item = items[i];
        const float w = item.width * fit;
        const float left = rtl ? pen - w : pen;
        if (item.piece >= 0) {
            const int16_t* r = language.rects + RECT_FIELDS * item.piece;
            SDL_FRect destination = {left - (float)PIECE_MARGIN * k, baseline - (float)r[RECT_BASELINE] * k,
                                     (float)r[RECT_W] * k, (float)r[RECT_H] * k};
            SDL_Rect source;
            const HalfCopy* half = nullptr;
            SDL_Texture* band =
                band_texture(&atlas.banded, SDL_Rect{r[RECT_X], r[RECT_Y], r[RECT_W], r[RECT_H]}, &source, &half);
            if (band) {
                SDL_Texture* picture = copy_source(*half, band, &source, destination);
                SDL_SetTextureColorMod(band, colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
                SDL_SetTextureAlphaMod(band, colour >> 24);
                if (picture != band) {
                    SDL_SetTextureColorMod(picture, colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
                    SDL_SetTextureAlphaMod(picture, colour >> 24);
                }
                SDL_RenderCopyF(textures.renderer, picture, &source, &destination);
            }
            note_drawn(DRAWN_PIECE, item.piece, destination);
        } else if (item.message >= 0) {
            draw_message_runs(item.message, big, colour, nullptr, 0, left, y, fit);
        } else if (item.text) {
            draw_text_scaled(item.text, big, ALIGN_LEFT, colour, left + text_shift, y, fit);
        }
        pen = rtl ? pen - w : pen + w;
    }
}

int32_t draw_message_v(int32_t id, int32_t x, int32_t y, int32_t big, int32_t align, uint32_t colour, int32_t max_width,
                       const char* const* args, int32_t arg_count)
{
    if ((uint32_t)id >= MESSAGE_COUNT)
        return 0;
    refresh_atlas();
    arg_count = arguments_taken(id, big, arg_count);

    LayoutItem items[LAYOUT_ITEMS];
    float total, scale;
    layout_message(id, big, args, arg_count, items, &total, &scale);
    float fit = 1.0f;
    if (max_width > 0 && total > (float)max_width)
        fit = (float)max_width / total;

    float left = (float)x;
    if (align == ALIGN_CENTRE)
        left = (float)x + (fit * total) * -0.5f;
    else if (align == ALIGN_RIGHT)
        left = (float)x - total * fit;
    // A shrunk line stays centred on the height of a full one.
    float top = (float)y + (1.0f - fit) * line_metrics[big ? 1 : 0].height * 0.5f;

    if (drawn_layout) {
        note_line();
        note_drawn(DRAWN_LINE, id, SDL_FRect{left, top, total * fit, line_metrics[big ? 1 : 0].height * fit});
        drawn_layout->depth++;
    }
    draw_message_runs(id, big, colour, args, arg_count, left, top, fit);
    if (drawn_layout)
        drawn_layout->depth--;
    return (int32_t)(total * fit);
}

int32_t draw_message_fit(int32_t id, int32_t x, int32_t y, int32_t big, int32_t align, uint32_t colour, int32_t max_width,
                         std::initializer_list<const char*> args)
{
    return draw_message_v(id, x, y, big, align, colour, max_width, args.begin(), (int32_t)args.size());
}

int32_t draw_message(int32_t id, int32_t x, int32_t y, int32_t big, int32_t align, uint32_t colour,
                     std::initializer_list<const char*> args)
{
    return draw_message_v(id, x, y, big, align, colour, SCREEN_TEXT_WIDTH, args.begin(), (int32_t)args.size());
}

void draw_name(const char* name, int32_t x, int32_t y, int32_t big, int32_t align, uint32_t colour)
{
    draw_name_fit(name, x, y, big, align, colour, SCREEN_TEXT_WIDTH);
}

void draw_name_fit(const char* name, int32_t x, int32_t y, int32_t big, int32_t align, uint32_t colour,
                   int32_t max_width)
{
    if (name[0] == MESSAGE_REF_MARK) {
        int32_t message = read_message_ref(name);
        if (message >= 0)
            draw_message_v(message, x, y, big, align, colour, max_width, nullptr, 0);
        return;
    }
    // A player's own name is shrunk as a message is, about its line's middle.
    const float width = (float)text_width(name, big);
    if (width <= (float)max_width) {
        draw_text(name, x, y, big, align, colour);
        return;
    }
    const float fit = (float)max_width / width;
    const float top = (float)y + (1.0f - fit) * (float)glyph_fonts[big ? 1 : 0].height * 0.5f;
    draw_text_scaled(name, big, align, colour, (float)x, top, fit);
}
