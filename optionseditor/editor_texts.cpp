#include "optionseditor/editor_texts.hpp"

namespace optionseditor {
namespace {

const EditorTexts kCzech = {
    .ingameGroup = "Nastavení ve hře",
    .musicLabel = "Hudba:",
    .musicOn = "Zapnuta",
    .musicOff = "Vypnuta",
    .soundsLabel = "Zvuky:",
    .soundsOn = "Zapnuty",
    .soundsOff = "Vypnuty",
    .alertLabel = "Varování:",
    .alertOn = "Zapnuto",
    .alertOff = "Vypnuto",
    .othersGroup = "Ostatní",
    .introLabel = "Intro:",
    .introShow = "Zobrazit",
    .introHide = "Nezobrazovat",
    .languageLabel = "Jazyk:",
    .windowModeLabel = "Spustit v:",
    .windowChoice = "Okno",
    .enemyNames = {"Vosa", "Komár", "Vážka", "Sršeň"},
    .enemyFieldLabels = {"Rychlost:", "Rychlost pronásledování:", "Rychlost reakce:",
                         "Doba pronásledování:", "Doba odpočinku:"},
    .showHighscoreButton = "Zobrazit výsledky",
    .fileMenu = "Soubor",
    .newItem = "Nové nastavení",
    .openItem = "Otevřít nastavení",
    .saveItem = "Uložit nastavení",
    .saveAsItem = "Uložit nastavení jako",
    .saveAsCurrentItem = "Uložit nastavení jako aktuální",
    .closeItem = "Zavřít",
    .editMenu = "Úpravy",
    .showHighscoreItem = "Zobrazit výsledky",
    .updateItem = "Aktualizovat z atuálního nastavení",
    .deleteAllItem = "Vymazat všechna data",
    .deleteMenu = "Vymazat data",
    .defaultAllItem = "Výchozí všechna data",
    .defaultMenu = "Výchozí data",
    .helpMenu = "Nápověda",
    .aboutItem = "O aplikaci",
    .saveChangesQuestion = "Uložit změny?",
    .deleteAllQuestion = "Vymazat všechna data?",
    .defaultAllQuestion = "Nastavit všechna data jako výchozí?",
    .onlyNumbersNotice = "Zadávajte pouze čísla",
    .tooManyDigitsNotice = "Zadávajte nejvýše 9 číslic",
    .cannotReadOptions = "Soubor nastavení nelze přečíst.",
    .cannotWriteOptions = "Soubor nastavení nelze uložit.",
    .viewerTitle = "Brimzel - Výsledky",
    .gameModeLabel = "Typ hry:",
    .gameModes = {"Scénář", "Bublinkový zápas", "Časová zkouška"},
    .highscoreFrame = "Výsledky",
    .closeButton = "Zavřít",
    .setDefaultButton = "Nastavit jako výchozí",
    .setDefaultQuestion = "Opravdu přepsat původní výsledky?",
    .cannotReadTable = "Soubor výsledků nelze přečíst.",
    .cannotReadDefault = "Výchozí soubor výsledků nelze přečíst.",
    .cannotWriteTable = "Soubor výsledků nelze přepsat.",
    .damagedTable = "Soubor výsledků je poškozený: zobrazeny jsou řádky, které šlo přečíst. "
                    "Než bude přepsán, uloží se jeho kopie s příponou .damaged.",
    .watchButton = "Přehrát",
    .watchHint = "Přehraje hru, která k výsledku vedla, v okně se zvukem: mezerník ji "
                 "pozastaví, šipka vpravo zrychlí, Escape ukončí.",
    .noRunNotice = "Tento výsledek nemá uložený záznam hry, není co přehrát.",
    .badRunNotice = "Záznam hry tohoto výsledku je poškozený nebo nepochází z této hry, "
                    "proto ho nelze přehrát.",
    .cannotStartWatch = "Přehrávač záznamů nelze spustit.",
    .aboutTitle = "O aplikaci",
    .aboutText = "Brimzel-Options\n\nNastavení hry Brimzel a prohlížeč jejích výsledků.\n\n"
                 "Program, grafika a zvuky: tým Brimzel",
};

const EditorTexts kEnglish = {
    .ingameGroup = "Ingame options",
    .musicLabel = "Music:",
    .musicOn = "On",
    .musicOff = "Off",
    .soundsLabel = "Sounds:",
    .soundsOn = "On",
    .soundsOff = "Off",
    .alertLabel = "Alert:",
    .alertOn = "On",
    .alertOff = "Off",
    .othersGroup = "Others",
    .introLabel = "Intro:",
    .introShow = "Show",
    .introHide = "Dont't show",
    .languageLabel = "Language:",
    .windowModeLabel = "Windowmode:",
    .windowChoice = "Window",
    .enemyNames = {"Wasp", "Gnat", "Dragonfly", "Hornet"},
    .enemyFieldLabels = {"Speed:", "Follow Speed:", "Reaction Speed:", "Follow Time:",
                         "Sleep Time:"},
    .showHighscoreButton = "Show highscore",
    .fileMenu = "File",
    .newItem = "New option file",
    .openItem = "Open option file",
    .saveItem = "Save option file",
    .saveAsItem = "Save option file as",
    .saveAsCurrentItem = "Save option file as current",
    .closeItem = "Close",
    .editMenu = "Edit",
    .showHighscoreItem = "Show highscore",
    .updateItem = "Update from current option",
    .deleteAllItem = "Delete all data",
    .deleteMenu = "Delete data",
    .defaultAllItem = "Default all data",
    .defaultMenu = "Default data",
    .helpMenu = "Help",
    .aboutItem = "About",
    .saveChangesQuestion = "Save changes?",
    .deleteAllQuestion = "Delete all data?",
    .defaultAllQuestion = "Set all data as default?",
    .onlyNumbersNotice = "Enter only numbers",
    .tooManyDigitsNotice = "Enter at most 9 digits",
    .cannotReadOptions = "The option file cannot be read.",
    .cannotWriteOptions = "The option file cannot be saved.",
    .viewerTitle = "Brimzel - Highscore",
    .gameModeLabel = "Game mode:",
    .gameModes = {"Scenario", "Bubble match", "Time attack"},
    .highscoreFrame = "Highscore",
    .closeButton = "Close",
    .setDefaultButton = "Set as default",
    .setDefaultQuestion = "Really set this highscore as default?",
    .cannotReadTable = "The highscore file cannot be read.",
    .cannotReadDefault = "The default highscore file cannot be read.",
    .cannotWriteTable = "The highscore file cannot be replaced.",
    .damagedTable = "The highscore file is damaged: the rows that could be read are shown. "
                    "Before it is replaced, a copy is kept with the ending .damaged.",
    .watchButton = "Watch",
    .watchHint = "Plays the game that made this score in a window with sound: Space pauses, "
                 "Right runs faster, Escape stops.",
    .noRunNotice = "This score has no recorded run, so there is nothing to watch.",
    .badRunNotice = "The recorded run of this score is damaged or not one of this game, so it "
                    "cannot be watched.",
    .cannotStartWatch = "The replay player cannot be started.",
    .aboutTitle = "About...",
    .aboutText = "Brimzel-Options\n\nSettings of the game Brimzel and a viewer of its "
                 "highscore tables.\n\nProgram, pictures and sounds: the Brimzel team",
};

} // namespace

std::optional<Language> captionLanguage(const std::string& languageValue) {
    if (languageValue == "cz") {
        return Language::czech;
    }
    if (languageValue == "en") {
        return Language::english;
    }
    return std::nullopt;
}

const EditorTexts& editorTexts(Language language) {
    return language == Language::czech ? kCzech : kEnglish;
}

QString emptyFieldNotice(Language language, int kind, int field) {
    const QString enemy = QString::fromUtf8(editorTexts(language).enemyNames[kind - 1]);
    const QString line = QString::number(field + 1);
    if (language == Language::czech) {
        return QStringLiteral("Nepřítel: ") + enemy + QStringLiteral(", pole: ") + line +
               QStringLiteral(" nevyplněno. Nastavuji jako výchozí");
    }
    return QStringLiteral("Enemy: ") + enemy + QStringLiteral(", Line: ") + line +
           QStringLiteral(" empty. Setting as default");
}

QString placeLine(Language language, int place, const QString& name, int points) {
    if (language == Language::czech) {
        return QString::number(place) + QStringLiteral(". místo: ") + name + QStringLiteral(" - ") +
               QString::number(points) + QStringLiteral(" bodů");
    }
    return QString::number(place) + QStringLiteral(". place: ") + name + QStringLiteral(" - ") +
           QString::number(points) + QStringLiteral(" points");
}

QString withReason(const char* text, const std::string& reason) {
    return QString::fromUtf8(text) + QLatin1Char('\n') + QString::fromStdString(reason);
}

} // namespace optionseditor
