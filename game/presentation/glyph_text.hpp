// Lines of text drawn with the bitmap glyph font of the high-score screen: one picture
// "key_<i>" per character of the glyph table.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct GameState;

using GlyphTable = std::array<std::string, 88>; // characters of "key_1".."key_87"; [0] unused

// One glyph of a laid-out line.
struct GlyphPlacement {
    int index = 0; // 1..87, the picture "key_<index>"
    float x = 0.0f;
    float width = 0.0f;
};

// The characters of a UTF-8 text, one string per code point (malformed bytes stand alone).
std::vector<std::string> splitCharacters(std::string_view text);

// Places the glyphs of a line from `left`: every table entry equal to a character draws at
// the pen, which then moves on by that glyph's width. A character missing from the table
// draws nothing and takes no room.
std::vector<GlyphPlacement> layoutGlyphText(std::string_view text, const GlyphTable& glyphTable,
                                            const std::function<float(int index)>& glyphWidth,
                                            float left = 20.0f);

// The line `before` + `middle` + `after` as it fits between x = 20 and `right`: when it would
// reach further, `middle` loses characters from its end and shows ".." where they were.
std::string fitGlyphLine(std::string_view before, std::string_view middle, std::string_view after,
                         const GlyphTable& glyphTable,
                         const std::function<float(int index)>& glyphWidth, float right);

// The width of glyph "key_<index>" as drawGlyphText draws it.
float drawnGlyphWidth(const GameState& state, int index);

// Draws a line with its top at y, starting at x = 20, 40 pixels high.
void drawGlyphText(GameState& state, std::string_view text, float y);
