#pragma once

#include <QString>

#include <array>
#include <optional>
#include <string>

namespace optionseditor {

enum class Language { czech, english };

// "cz" captions the editor in Czech, "en" in English; any other value selects neither and
// leaves the captions as they are.
std::optional<Language> captionLanguage(const std::string& languageValue);

// Every caption, question and notice of the editor and its viewer in one language.
struct EditorTexts {
    const char* ingameGroup;
    const char* musicLabel;
    const char* musicOn;
    const char* musicOff;
    const char* soundsLabel;
    const char* soundsOn;
    const char* soundsOff;
    const char* alertLabel;
    const char* alertOn;
    const char* alertOff;
    const char* othersGroup;
    const char* introLabel;
    const char* introShow;
    const char* introHide;
    const char* languageLabel;
    const char* windowModeLabel;
    const char* windowChoice;
    std::array<const char*, 4> enemyNames;       // wasp, gnat, dragonfly, hornet
    std::array<const char*, 5> enemyFieldLabels; // speed ... sleep time
    const char* showHighscoreButton;

    const char* fileMenu;
    const char* newItem;
    const char* openItem;
    const char* saveItem;
    const char* saveAsItem;
    const char* saveAsCurrentItem;
    const char* closeItem;
    const char* editMenu;
    const char* showHighscoreItem;
    const char* updateItem;
    const char* deleteAllItem;
    const char* deleteMenu;
    const char* defaultAllItem;
    const char* defaultMenu;
    const char* helpMenu;
    const char* aboutItem;

    const char* saveChangesQuestion;
    const char* deleteAllQuestion;
    const char* defaultAllQuestion;
    const char* onlyNumbersNotice;
    const char* tooManyDigitsNotice;
    const char* cannotReadOptions;  // followed by the reason
    const char* cannotWriteOptions; // followed by the reason

    const char* viewerTitle;
    const char* gameModeLabel;
    std::array<const char*, 3> gameModes;
    const char* highscoreFrame;
    const char* closeButton;
    const char* setDefaultButton;
    const char* setDefaultQuestion;
    const char* cannotReadTable;   // followed by the reason
    const char* cannotReadDefault; // followed by the reason
    const char* cannotWriteTable;  // followed by the reason
    const char* damagedTable;      // followed by the reason
    const char* watchButton;       // one beside each place
    const char* watchHint;         // the watch's keys
    const char* noRunNotice;
    const char* badRunNotice;     // followed by the reason
    const char* cannotStartWatch; // followed by the program

    const char* aboutTitle;
    const char* aboutText;
};

const EditorTexts& editorTexts(Language language);

// Captions that read the same in both languages.
inline constexpr const char* kWindowTitle = "Brimzel - Setup";
inline constexpr const char* kCzechChoice = "Česky";
inline constexpr const char* kEnglishChoice = "English";
inline constexpr const char* kFullscreenChoice = "Fullscreen";
inline constexpr const char* kLevelLabel = "Level:";
inline constexpr const char* kUserLevelEntry = "Level vlastní";

// A wrong or incomplete options file is reported in Czech whatever the language.
inline constexpr const char* kWrongOptionsFileNotice =
    "Nekompletní nebo nesprávný soubor nastavení";

// The open and save dialogs offer option files first, then every file.
inline constexpr const char* kOptionsFileFilter = "Soubory nastavení (*.ini);;Všechny soubory (*)";

// "Enemy: Gnat, Line: 3 empty. Setting as default" for kind 1..4 and field 0..4.
QString emptyFieldNotice(Language language, int kind, int field);

// "2. place: Anna - 400 points" for place 1..4.
QString placeLine(Language language, int place, const QString& name, int points);

// A notice text followed by the reason on a line of its own.
QString withReason(const char* text, const std::string& reason);

} // namespace optionseditor
