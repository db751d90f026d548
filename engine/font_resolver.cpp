#include "engine/font_resolver.hpp"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace engine {
namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

const FontAlias* findAlias(const std::string& face) {
    const std::string wanted = lower(face);
    for (const auto& a : fontAliases())
        if (lower(a.face) == wanted)
            return &a;
    return nullptr;
}

std::string getString(FcPattern* p, const char* object) {
    FcChar8* s = nullptr;
    if (FcPatternGetString(p, object, 0, &s) == FcResultMatch && s)
        return reinterpret_cast<const char*>(s);
    return {};
}

int getInt(FcPattern* p, const char* object, int fallback) {
    int v = 0;
    return FcPatternGetInteger(p, object, 0, &v) == FcResultMatch ? v : fallback;
}

// Czech text needs more than ASCII; a face without these letters is no substitute.
bool writesCzech(FcPattern* p) {
    FcCharSet* set = nullptr;
    if (FcPatternGetCharSet(p, FC_CHARSET, 0, &set) != FcResultMatch || !set)
        return false;
    for (FcChar32 c : {FcChar32('A'), FcChar32('z'), FcChar32('0'), FcChar32(0x159),
                       FcChar32(0x11B), FcChar32(0x17E), FcChar32(0x16F)})
        if (!FcCharSetHasChar(set, c))
            return false;
    return true;
}

bool scalable(FcPattern* p) {
    FcBool b = FcFalse;
    return FcPatternGetBool(p, FC_SCALABLE, 0, &b) == FcResultMatch && b;
}

bool familyIn(FcPattern* p, const std::vector<std::string>& families) {
    for (int i = 0;; ++i) {
        FcChar8* s = nullptr;
        if (FcPatternGetString(p, FC_FAMILY, i, &s) != FcResultMatch)
            return false;
        const std::string name = lower(reinterpret_cast<const char*>(s));
        for (const auto& f : families)
            if (lower(f) == name)
                return true;
    }
}

} // namespace

const std::vector<FontAlias>& fontAliases() {
    static const std::vector<FontAlias> table{
        // Heavy condensed sans; fontconfig would pick a symbol font for it.
        {"Impact", {"Nimbus Sans Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed"}, true},
        {"Century Gothic", {"URW Gothic", "TeX Gyre Adventor"}, false},
        {"Arial", {"Liberation Sans", "Arimo", "Nimbus Sans"}, false},
        {"Courier New", {"Liberation Mono", "Cousine", "Nimbus Mono PS"}, false},
        {"Times New Roman", {"Liberation Serif", "Tinos", "Nimbus Roman"}, false},
        {"Verdana", {"DejaVu Sans"}, false},
        {"Tahoma", {"DejaVu Sans"}, false},
    };
    return table;
}

bool resolveFont(const std::string& face, bool bold, bool italic, ResolvedFont& out,
                 std::string& error) {
    const FontAlias* alias = findAlias(face);
    out = {};
    out.bold = bold || (alias && alias->alwaysBold);

    // A path to a font file is used as it is.
    std::error_code ec;
    if (face.find('/') != std::string::npos && std::filesystem::is_regular_file(face, ec)) {
        out.file = face;
        out.family = face;
        return true;
    }
    if (!FcInit()) {
        error = "cannot initialise fontconfig";
        return false;
    }
    // The game's own face comes first so an installed original wins over any look-alike.
    std::vector<std::string> families{face};
    if (alias)
        families.insert(families.end(), alias->families.begin(), alias->families.end());

    FcPattern* pattern = FcPatternCreate();
    for (const auto& f : families)
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(f.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, out.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* sorted = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);
    if (!sorted) {
        error = "no font is installed for \"" + face + "\"";
        return false;
    }
    // Pass 0: a wanted family in an OpenType/TrueType file; pass 1: a wanted family in any
    // format; pass 2: whatever fontconfig ranks best that writes Czech.
    FcPattern* chosen = nullptr;
    for (int pass = 0; pass < 3 && !chosen; ++pass) {
        for (int i = 0; i < sorted->nfont && !chosen; ++i) {
            FcPattern* p = sorted->fonts[i];
            if (!scalable(p) || !writesCzech(p) || getString(p, FC_FILE).empty())
                continue;
            if (pass < 2 && !familyIn(p, families))
                continue;
            if (pass == 0 && getString(p, FC_FONTFORMAT) == "Type 1")
                continue;
            chosen = p;
        }
    }
    if (chosen) {
        out.file = getString(chosen, FC_FILE);
        out.index = getInt(chosen, FC_INDEX, 0);
        out.family = getString(chosen, FC_FAMILY);
        out.boldFace = getInt(chosen, FC_WEIGHT, FC_WEIGHT_REGULAR) >= FC_WEIGHT_DEMIBOLD;
        out.italicFace = getInt(chosen, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
    }
    FcFontSetDestroy(sorted);
    if (!chosen) {
        error = "no installed font can stand in for \"" + face + "\"";
        return false;
    }
    return true;
}

} // namespace engine
