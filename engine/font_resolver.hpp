// Finding a font file for a face name. Faces the game names that are not free (and that
// fontconfig would replace badly) go through a table of free look-alikes.
#pragma once

#include <string>
#include <vector>

namespace engine {

struct FontAlias {
    std::string face;                  // as the game names it, compared without case
    std::vector<std::string> families; // free look-alikes, best first
    bool alwaysBold = false;           // the original face only exists in a heavy cut
};

const std::vector<FontAlias>& fontAliases();

struct ResolvedFont {
    std::string file;
    int index = 0;
    std::string family;
    bool boldFace = false;   // the file is a bold cut (no synthetic emboldening needed)
    bool italicFace = false; // the file is an italic or oblique cut
    bool bold = false;       // bold was asked for (by the style or by the alias)
};

// Resolves `face` (a family name, or a path to a font file) to a scalable font that can write
// Czech. False with a message when nothing usable is installed.
bool resolveFont(const std::string& face, bool bold, bool italic, ResolvedFont& out,
                 std::string& error);

} // namespace engine
