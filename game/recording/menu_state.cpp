#include "game/recording/menu_state.hpp"

#include "game/state/game_state.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// Each field once: its name in a script and where it lives.
template <typename Menu, typename Visit> void eachField(Menu& m, Visit&& visit) {
    visit("music", m.music);
    visit("sound", m.sound);
    visit("alert", m.alert);
    visit("save", m.save);
    visit("screenshots", m.screenshots);
    visit("selectedKey", m.selectedKey);
    visit("flyAngle", m.flyAngle);
    visit("angleSettled", m.angleSettled);
    visit("turnCarry", m.turnCarry);
    visit("pauseSelection", m.pauseSelection);
    visit("gameMode", m.gameMode);
    visit("levelSet", m.levelSet);
    visit("levelChoice", m.levelChoice);
    visit("viewerMode", m.viewerMode);
    visit("viewerLevel", m.viewerLevel);
    visit("menuBackground", m.menuBackground);
    visit("introSkip", m.introSkip);
    visit("paused", m.paused);
    visit("tutorialActive", m.tutorialActive);
    visit("bubbleVisible", m.bubbleVisible);
    visit("gravityDrain", m.gravityDrain);
    visit("enemyDrain", m.enemyDrain);
    visit("score", m.score);
    visit("tutorialStep", m.tutorialStep);
    visit("bubbleX", m.bubbleX);
    visit("bubbleY", m.bubbleY);
    visit("endScreenKind", m.endScreenKind);
    visit("newPlace", m.newPlace);
    visit("language", m.language);
}

std::string text(bool value) {
    return value ? "1" : "0";
}
std::string text(double value) {
    char out[40];
    std::snprintf(out, sizeof out, "%.17g", value); // gives the double back exactly
    return out;
}
template <typename Int> std::string text(Int value) {
    return std::to_string(value);
}
std::string text(const std::string& value) {
    return value;
}

bool read(std::string_view value, bool& field) {
    if (value != "0" && value != "1")
        return false;
    field = value == "1";
    return true;
}
bool read(std::string_view value, double& field) {
    double number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (ec != std::errc() || end != value.data() + value.size() || !std::isfinite(number))
        return false;
    field = number;
    return true;
}
template <typename Int> bool read(std::string_view value, Int& field) {
    Int number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (ec != std::errc() || end != value.data() + value.size())
        return false;
    field = number;
    return true;
}
bool read(std::string_view value, std::string& field) {
    if (value.empty() || value.size() > 16)
        return false;
    field = std::string(value);
    return true;
}

} // namespace

MenuState menuStateOf(const GameState& s) {
    MenuState m;
    m.music = s.musicOn;
    m.sound = s.soundOn;
    m.alert = s.alertEnabled;
    m.save = s.saveEnabled;
    m.angleSettled = s.angleSettled;
    m.introSkip = s.introSkip;
    m.paused = s.paused;
    m.tutorialActive = s.tutorialActive;
    m.bubbleVisible = s.bubbleVisible;
    m.gravityDrain = s.gravityDrain;
    m.enemyDrain = s.enemyDrain;
    m.screenshots = s.screenshotCount;
    m.selectedKey = s.selectedKey;
    m.flyAngle = s.flyAngle;
    m.pauseSelection = s.pauseSelection;
    m.gameMode = s.gameMode;
    m.levelSet = s.levelSet;
    m.levelChoice = s.levelChoice;
    m.viewerMode = s.viewerMode;
    m.viewerLevel = s.viewerLevel;
    m.menuBackground = s.menuBackground;
    m.score = s.score;
    m.tutorialStep = s.tutorialStep;
    m.bubbleX = s.bubbleX;
    m.bubbleY = s.bubbleY;
    m.endScreenKind = s.endScreenKind;
    m.newPlace = s.newPlace;
    m.turnCarry = s.turnCarry;
    m.language = s.language;
    return m;
}

void applyMenuState(GameState& s, const MenuState& m) {
    s.musicOn = m.music;
    s.soundOn = m.sound;
    s.alertEnabled = m.alert;
    s.saveEnabled = m.save;
    s.angleSettled = m.angleSettled;
    s.screenshotCount = m.screenshots;
    s.selectedKey = m.selectedKey;
    s.flyAngle = m.flyAngle;
    s.pauseSelection = m.pauseSelection;
    s.gameMode = m.gameMode;
    s.levelSet = m.levelSet;
    s.levelChoice = m.levelChoice;
    s.viewerMode = m.viewerMode;
    s.viewerLevel = m.viewerLevel;
    s.menuBackground = m.menuBackground;
    s.turnCarry = m.turnCarry;
    s.introSkip = m.introSkip;
    s.paused = m.paused;
    s.tutorialActive = m.tutorialActive;
    s.bubbleVisible = m.bubbleVisible;
    s.gravityDrain = m.gravityDrain;
    s.enemyDrain = m.enemyDrain;
    s.score = m.score;
    s.tutorialStep = m.tutorialStep;
    s.bubbleX = m.bubbleX;
    s.bubbleY = m.bubbleY;
    s.endScreenKind = m.endScreenKind;
    s.newPlace = m.newPlace;
    s.language = m.language;
}

std::string menuStateWords(const MenuState& menu) {
    std::string out;
    eachField(menu, [&](const char* name, const auto& member) {
        out += (out.empty() ? "" : " ") + std::string(name) + "=" + text(member);
    });
    return out;
}

bool readMenuStateWord(std::string_view word, MenuState& menu) {
    const size_t equals = word.find('=');
    if (equals == std::string_view::npos)
        return false;
    const std::string_view name = word.substr(0, equals), value = word.substr(equals + 1);
    bool fits = false;
    eachField(menu, [&](const char* field, auto& member) {
        if (name == field)
            fits = read(value, member);
    });
    return fits;
}
