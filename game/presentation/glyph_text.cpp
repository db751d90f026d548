#include "game/presentation/glyph_text.hpp"

#include "game/state/game_state.hpp"

std::vector<std::string> splitCharacters(std::string_view text) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        // A truncated sequence keeps only its lead byte.
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                length = 1;
                break;
            }
        }
        out.emplace_back(text.substr(i, length));
        i += length;
    }
    return out;
}

std::vector<GlyphPlacement> layoutGlyphText(std::string_view text, const GlyphTable& glyphTable,
                                            const std::function<float(int index)>& glyphWidth,
                                            float left) {
    std::vector<GlyphPlacement> placed;
    float x = left;
    for (const std::string& character : splitCharacters(text)) {
        for (int i = 1; i <= kGlyphCount; ++i) {
            if (glyphTable[i] != character)
                continue;
            const float w = glyphWidth(i);
            placed.push_back({i, x, w});
            x += w;
        }
    }
    return placed;
}

std::string fitGlyphLine(std::string_view before, std::string_view middle, std::string_view after,
                         const GlyphTable& glyphTable,
                         const std::function<float(int index)>& glyphWidth, float right) {
    constexpr float kLeft = 20.0f;
    auto width = [&](std::string_view text) {
        float sum = 0.0f;
        for (const GlyphPlacement& glyph : layoutGlyphText(text, glyphTable, glyphWidth, 0.0f))
            sum += glyph.width;
        return sum;
    };
    const float fixed = kLeft + width(before) + width(after);
    std::string line(before);
    if (fixed + width(middle) <= right)
        return line.append(middle).append(after);
    // Character by character, so a long name costs no more than one pass.
    const std::string_view cut = "..";
    float room = right - fixed - width(cut);
    for (const std::string& character : splitCharacters(middle)) {
        room -= width(character);
        if (room < 0.0f)
            break;
        line += character;
    }
    return line.append(cut).append(after);
}

float drawnGlyphWidth(const GameState& state, int index) {
    const engine::Engine& e = *state.engine;
    return static_cast<float>(e.textureSize(e.texture("key_" + std::to_string(index))).width);
}

void drawGlyphText(GameState& state, std::string_view text, float y) {
    auto width = [&state](int index) { return drawnGlyphWidth(state, index); };
    engine::Engine& e = *state.engine;
    for (const GlyphPlacement& glyph : layoutGlyphText(text, state.glyphTable, width))
        e.drawTexture(e.texture("key_" + std::to_string(glyph.index)), glyph.x, y,
                      glyph.x + glyph.width, y + 40);
}
