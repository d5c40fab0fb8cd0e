// Packed pictures drawn a band of rows at a time: the text pictures and the
// glyph sheets. A screen draws a few of a picture's pieces, so only the
// bands they lie in become textures, each when one of its pieces is first
// drawn; the rest of the picture stays packed.
#include "draw/draw.h"

// The band a piece's top lies in; -1 for one above the picture or past the
// last band, and in a picture with no bands planned.
static int32_t band_of(const BandedPicture& banded, const SDL_Rect& piece)
{
    if (banded.band_rows <= 0 || piece.y < 0)
        return -1;
    const int32_t band = piece.y / banded.band_rows;
    return band < PICTURE_BANDS ? band : -1;
}

void plan_bands(BandedPicture* banded, const SDL_Rect* pieces, int32_t count)
{
    const int32_t h = banded->picture.h;
    const int32_t share = (h + PICTURE_BANDS - 1) / PICTURE_BANDS;
    banded->band_rows = share > PICTURE_BAND_ROWS ? share : PICTURE_BAND_ROWS;
    banded->pieces = pieces;
    banded->piece_count = count;
    int32_t first[PICTURE_BANDS], end[PICTURE_BANDS];
    for (int32_t b = 0; b < PICTURE_BANDS; b++) {
        first[b] = h;
        end[b] = 0;
    }
    for (int32_t p = 0; p < count; p++) {
        const SDL_Rect& r = pieces[p];
        const int32_t b = band_of(*banded, r);
        if (b < 0)
            continue;
        first[b] = r.y < first[b] ? r.y : first[b];
        end[b] = r.y + r.h > end[b] ? r.y + r.h : end[b];
    }
    for (int32_t b = 0; b < PICTURE_BANDS; b++) {
        const int32_t top = first[b] - PICTURE_BAND_EDGE > 0 ? first[b] - PICTURE_BAND_EDGE : 0;
        const int32_t bottom = end[b] + PICTURE_BAND_EDGE < h ? end[b] + PICTURE_BAND_EDGE : h;
        banded->bands[b] = PictureBand{nullptr, {nullptr, nullptr}, top, bottom > top ? bottom - top : 0};
    }
}

// The most pieces a band's half copy holds; a band with more gets none.
enum { MOST_BAND_PIECES = 1024 };

// Makes a band's texture, and its half copy by the pieces in it.
static void make_band(BandedPicture& banded, PictureBand& band)
{
    band.texture = packed_rows_texture(banded.picture, band.top, band.rows);
    if (!band.texture)
        return;
    static SDL_Rect rects[MOST_BAND_PIECES];
    int32_t count = 0;
    for (int32_t p = 0; p < banded.piece_count && count < MOST_BAND_PIECES; p++) {
        const SDL_Rect& r = banded.pieces[p];
        const int32_t b = band_of(banded, r);
        if (b >= 0 && &banded.bands[b] == &band)
            rects[count++] = SDL_Rect{r.x, r.y - band.top, r.w, r.h};
    }
    band.half = make_half_copy(count < MOST_BAND_PIECES ? band.texture : nullptr, rects, count);
}

SDL_Texture* band_texture(BandedPicture* banded, const SDL_Rect& piece, SDL_Rect* source, const HalfCopy** half)
{
    const int32_t b = band_of(*banded, piece);
    if (b < 0)
        return nullptr;
    PictureBand& band = banded->bands[b];
    // A piece the plan did not hold may reach past its band's rows: it is
    // drawn from nothing rather than from the rows below.
    if (piece.y + piece.h > band.top + band.rows)
        return nullptr;
    if (!band.texture && band.rows > 0)
        make_band(*banded, band);
    *source = SDL_Rect{piece.x, piece.y - band.top, piece.w, piece.h};
    *half = &band.half;
    return band.texture;
}

void band_whole_texture(BandedPicture* banded, SDL_Texture* texture)
{
    int h = 0;
    SDL_QueryTexture(texture, nullptr, nullptr, nullptr, &h);
    *banded = BandedPicture{};
    banded->band_rows = INT16_MAX + 1;
    banded->bands[0] = PictureBand{texture, {texture, nullptr}, 0, h};
}

void destroy_band_textures(BandedPicture* banded)
{
    for (PictureBand& band : banded->bands) {
        if (band.half.half)
            SDL_DestroyTexture(band.half.half);
        if (band.texture)
            SDL_DestroyTexture(band.texture);
        band.texture = nullptr;
        band.half = HalfCopy{nullptr, nullptr};
    }
}
