#include "leveleditor/editor_texts.hpp"

#include <array>
#include <utility>

namespace leveleditor {
namespace {

struct Pair {
    const char* czech;
    const char* english;
};

// Indexed by Text.
constexpr std::array kTexts = {
    Pair{"Brimzel - Level editor", "Brimzel - Level editor"},
    Pair{"Mapa:", "Map:"},
    Pair{"Mapa ", "Map "},
    Pair{"0. Moucha", "0. Fly"},
    Pair{"Nepřítel X:", "Enemy X:"},
    Pair{"Nepřítel Y:", "Enemy Y:"},
    Pair{"Nepřítel úhel:", "Enemy angle:"},
    Pair{"Bublinky:", "Bubbles:"},
    Pair{"Čas:", "Time:"},
    Pair{"Zobrazit mapu jako masku", "Show map as mask"},
    Pair{"Nový", "New"},
    Pair{"Otevřít", "Open"},
    Pair{"Uložit jako", "Save as"},
    Pair{"Smazat", "Delete"},
    Pair{"Přidat nepřítele", "Add enemy"},
    Pair{"Smazat nepřítele", "Delete enemy"},
    Pair{"Konec", "End"},
    Pair{"OK", "OK"},
    Pair{"Zrušit", "Cancel"},
    Pair{"Česky", "Česky"},
    Pair{"English", "English"},
    Pair{"Nejprve zvolte mapu", "Select a map first"},
    Pair{"Nelze odstranit mouchu", "Cannot delete a fly"},
    Pair{"Nelze odstranit neoznačeného nepřítele", "Cannot delete unselected enemy"},
    Pair{"Zadávajte pouze čísla", "Enter only numbers"},
    Pair{"Lze zadat souřadnice od 0 do 864", "You can enter the axis from 0 to 864"},
    Pair{"Lze zadat souřadnice od 0 do 768", "You can enter the axis from 0 to 768"},
    Pair{"Lze zadat úhel od 0 do 360", "You can enter the angle from 0 to 360"},
    Pair{"Více než 10 nepřátel nelze přidat", "Cannot add more than 10 enemies"},
    Pair{"Nelze uložit více jak 16 vlastních levelů", "Cannot save more than 16 user levels"},
    Pair{"Nelze vytvořit level bez bublinek", "Cannot make the level without bubbles"},
    Pair{"Nelze vytvořit level bez času", "Cannot make the level without time"},
    Pair{"Uložit předchozí změny do nového souboru levelu?", "Save changes to new level file?"},
    Pair{"Opravdu smazat tento level?", "Really delete this level?"},
    Pair{"Soubor levelu je poškozený nebo není platný", "Level file is damaged or not correct"},
    // The same filter in both languages; Qt's form of "*.lev" and "all files".
    Pair{"Soubory levelů (*.lev);; Všechny soubory (*)",
         "Soubory levelů (*.lev);; Všechny soubory (*)"},
};
static_assert(kTexts.size() == static_cast<std::size_t>(Text::fileFilter) + 1);

constexpr std::array kKindNames = {
    Pair{"Vosa", "Wasp"},
    Pair{"Komár", "Gnat"},
    Pair{"Vážka", "Dragonfly"},
    Pair{"Sršeň", "Hornet"},
};

QString pick(Language language, const Pair& pair) {
    return QString::fromUtf8(language == Language::czech ? pair.czech : pair.english);
}

QString choose(Language language, const char* czech, const char* english) {
    return pick(language, Pair{czech, english});
}

} // namespace

Language languageFromCode(const std::string& code) {
    return code == "en" ? Language::english : Language::czech;
}

QString text(Language language, Text id) {
    return pick(language, kTexts[static_cast<std::size_t>(id)]);
}

QString kindName(Language language, int kind) {
    if (kind < 1 || kind > static_cast<int>(kKindNames.size())) {
        return {};
    }
    return pick(language, kKindNames[static_cast<std::size_t>(kind - 1)]);
}

QString enemyItem(Language language, int number, int kind) {
    return QString::number(number) + QStringLiteral(". ") + kindName(language, kind);
}

QString mapItem(Language language, int map) {
    return text(language, Text::mapItemPrefix) + QString::number(map);
}

QString savedAsMessage(Language language, int number) {
    return choose(language, "Uloženo jako ", "Saved as ") + QStringLiteral("levels\\user\\level") +
           QString::number(number) + QStringLiteral(".lev");
}

QString cannotWriteMessage(Language language, const QString& file) {
    return choose(language, "Soubor nelze zapsat: ", "Cannot write the file ") + file;
}

QString cannotDeleteMessage(Language language, const QString& file) {
    return choose(language, "Soubor nelze smazat: ", "Cannot delete the file ") + file;
}

QString cannotRenameMessage(Language language, const QString& from, const QString& to) {
    return choose(language, "Soubor nelze přejmenovat: ", "Cannot rename the file ") + from +
           QStringLiteral(" -> ") + to;
}

QString replaceLevelQuestion(Language language, const QString& file) {
    return language == Language::czech
               ? QStringLiteral("Soubor ") + file + QStringLiteral(" už existuje. Nahradit ho?")
               : file + QStringLiteral(" already exists. Replace it?");
}

QString optionsUnreadableMessage(const QString& file, const QString& reason) {
    // The language comes from this very file, so the notice speaks both.
    return QStringLiteral("Soubor nastavení chybí nebo je neúplný. Editor začne česky, vlastní "
                          "levely spočítá podle souborů levelů a soubor nastavení nezmění.\n"
                          "The options file is missing or incomplete. The editor starts in "
                          "Czech, counts the user levels from the level files and leaves the "
                          "options file alone.\n\n") +
           file + QStringLiteral("\n") + reason;
}

QString optionsUnwritableMessage(Language language, const QString& file) {
    return choose(language, "Počet vlastních levelů nelze zapsat do souboru nastavení ",
                  "Cannot write the number of user levels to the options file ") +
           file;
}

QString viewFailedMessage(const QString& reason) {
    return QStringLiteral("Zobrazení mapy nelze spustit, editor končí.\n"
                          "The map view cannot start; the editor ends.\n\n") +
           reason;
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString timeText(int minutes, int seconds) {
    return twoDigits(minutes) + QStringLiteral(":") + twoDigits(seconds);
}

} // namespace leveleditor
