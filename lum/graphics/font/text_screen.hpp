#pragma once

#include "lum/core/vector.hpp"
#include "lum/graphics/font/charset.hpp"
#include "lum/graphics/colour.hpp"
#include "lum/graphics/rect.hpp"
#include "lum/graphics/render_target.hpp"
#include "lum/graphics/font/text_palette.hpp"
#include "lum/text/string.hpp"

#include <cstdint>
#include <vector>

namespace lum {

// What one text cell shows: a character of a font page in a palette colour.
struct CellHalf {
    // The UTF-16 code unit of the character.
    uint32_t code = 0;
    uint8_t page = 0;
    // Index into the text palette.
    uint8_t colour = 0;
    uint8_t zero = 0;
    // Bit 0 mirror left-right, bit 1 mirror top-bottom, bits 2-3 quarter turns clockwise.
    uint8_t flags = 0;

    friend bool operator==(const CellHalf&, const CellHalf&) = default;
};

// Cell flag bits.
inline constexpr uint8_t MIRROR_X = 1;
inline constexpr uint8_t MIRROR_Y = 2;
inline constexpr uint8_t MIRROR_BITS = MIRROR_X | MIRROR_Y;
inline constexpr int ROTATION_SHIFT = 2;

// One cell of a text screen: what was last drawn and what should be shown. The
// cell is drawn again when the two differ.
struct TextCell {
    CellHalf drawn;
    CellHalf wanted;

    // Both halves filled with the word 0xBEEFDEAD: a cell with nothing to draw.
    static TextCell nothing();
    bool changed() const { return !(drawn == wanted); }

    friend bool operator==(const TextCell&, const TextCell&) = default;
};

static_assert(sizeof(CellHalf) == 8 && sizeof(TextCell) == 16);

// Where a text screen's drawing goes. The renderer's canvas draws into the
// screen's render target with the renderer in use; tests that look at the
// drawing calls themselves put a recording one in its place.
class TextCanvas {
  public:
    virtual ~TextCanvas() = default;
    // (Re)creates target at width x height pixels, transparent black.
    virtual void create(RenderTarget& target, int32_t width, int32_t height) = 0;
    // Frees target's objects.
    virtual void release(RenderTarget& target) = 0;
    // Clears all of target to transparent black at once.
    virtual void clear(RenderTarget& target) = 0;
    // Starts drawing into target; what is drawn replaces the pixels, alpha included.
    virtual void begin(RenderTarget& target) = 0;
    // Fills a rectangle of pixels with transparent black.
    virtual void fill(const Rect& pixels) = 0;
    // Draws one glyph, as draw_glyph does.
    virtual void glyph(const Charset& charset, uint32_t code, int32_t x, int32_t y, int32_t width,
                       int32_t height, const RGBA& colour, int32_t angle) = 0;
    // Ends the drawing begun on target and makes the previous target current again.
    virtual void end(RenderTarget& target) = 0;
};

// The canvas that draws with the renderer in use: under the null renderer it
// draws nothing, and the screen still keeps its cells.
TextCanvas& renderer_text_canvas();

// A grid of 8 x 8 pixel cells, like a character terminal, drawn into its own
// render target. Printing only records what each cell should show; flush draws
// the cells that changed since they were last drawn.
class TextScreen {
  public:
    static constexpr int32_t MAX_CELLS = 256;
    static constexpr int32_t CELL_SIZE = 8;
    static constexpr uint8_t DEFAULT_PAGE = 3;

    // An empty screen; resize makes it usable.
    explicit TextScreen(TextCanvas& canvas = renderer_text_canvas());
    TextScreen(const TextScreen&) = delete;
    TextScreen& operator=(const TextScreen&) = delete;
    ~TextScreen();

    // (Re)builds the screen at columns x rows cells, each clamped to 1..256: page,
    // palette and colour back to their defaults, a new transparent target, every
    // cell with nothing to draw.
    void resize(int32_t columns, int32_t rows);
    // Queues a transparent fill of the rectangle (in cells) and forgets what its
    // cells show.
    void clear(const Rect& cells);
    // Writes text into the cells from (x, y) rightwards in the current page and
    // colour; the units 1..8 set mirroring and rotation and take no cell. Cells
    // outside the grid are skipped; there is no wrapping.
    void print(int32_t x, int32_t y, const String& text);
    // Moves every row up by one and fills the last with spaces (page 3, colour 79).
    void scroll();
    // Draws the queued fills and the changed cells into the render target;
    // with neither, leaves the target and the drawing state alone.
    void flush();
    // Frees the cells, the fill queue and the render target; resize makes the
    // screen usable again.
    void destroy();

    RenderTarget& target() { return target_; }
    const RenderTarget& target() const { return target_; }
    int32_t columns() const { return columns_; }
    int32_t rows() const { return rows_; }
    // Cells the last flush drew; a cell whose page has no texture does not count.
    int32_t cells_drawn() const { return cells_drawn_; }
    // Cell (column, row); a warning and an empty cell outside the grid.
    const TextCell& cell(int32_t column, int32_t row) const;
    // Fills waiting for the next flush, in cells.
    const std::vector<Rect>& fill_queue() const { return fill_queue_; }

    // Colours of the cells; the default palette after resize.
    TextPalette* palette = &default_text_palette();
    // Page and colour index that print uses; callers set them between calls.
    uint8_t current_page = DEFAULT_PAGE;
    uint8_t current_colour = default_text_palette().default_colour;

  private:
    bool inside(int32_t column, int32_t row) const;
    TextCell& at(int32_t column, int32_t row) { return cells_.at(row * columns_ + column); }
    // Marks the cells of the rectangle, clipped to the grid, as having nothing to draw.
    void forget(const Rect& cells);
    // Fills a queued rectangle, clipped to the grid.
    void draw_fill(const Rect& cells);

    RenderTarget target_;
    std::vector<Rect> fill_queue_;
    int32_t columns_ = 0;
    int32_t rows_ = 0;
    int32_t cells_drawn_ = 0;
    Vector<TextCell> cells_;
    TextCanvas* canvas_;
};

} // namespace lum
