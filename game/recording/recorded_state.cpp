#include "game/recording/recorded_state.hpp"

#include "game/state/game_state.hpp"

#include <cstdio>
#include <sstream>

namespace {

std::string fixed(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

bool audioMuted(const GameState& s) {
    bool muted = false;
    if (s.audioSystemA)
        s.audioSystemA->isMuted(muted);
    return muted;
}

} // namespace

void printReplayState(const GameState& s, long long frame, std::ostream& out) {
    out << "screenState " << s.screenState << '\n'
        << "levelNumber " << s.levelNumber << '\n'
        << "mapNumber " << s.mapNumber << '\n'
        << "gameMode " << s.gameMode << '\n'
        << "lives " << s.lives << '\n'
        << "energy " << s.energy << '\n'
        << "score " << s.score << '\n'
        << "displayedScore " << s.displayedScore << '\n'
        << "bubblesCollected " << s.bubblesCollected << '\n'
        << "bubblesTotal " << s.bubblesTotal << '\n'
        << "minutes " << s.minutes << '\n'
        << "seconds " << s.seconds << '\n'
        << "flyX " << fixed(s.flyX) << '\n'
        << "flyY " << fixed(s.flyY) << '\n'
        << "flyAngle " << s.flyAngle << '\n'
        << "paused " << s.paused << '\n'
        << "levelWon " << s.levelWon << '\n'
        << "levelLost " << s.levelLost << '\n'
        << "enemyCount " << s.enemyCount << '\n'
        << "menuItem " << s.menuItem << '\n'
        << "pauseSelection " << s.pauseSelection << '\n'
        << "quitToMenu " << s.quitToMenu << '\n'
        << "tutorialActive " << s.tutorialActive << '\n'
        << "bubbleVisible " << s.bubbleVisible << '\n'
        << "bubbleX " << s.bubbleX << '\n'
        << "bubbleY " << s.bubbleY << '\n'
        << "gravityX " << fixed(s.gravityX) << '\n'
        << "gravityY " << fixed(s.gravityY) << '\n'
        << "gravityDrain " << s.gravityDrain << '\n'
        << "enemyDrain " << s.enemyDrain << '\n'
        << "screenshotCount " << s.screenshotCount << '\n'
        << "tick " << (s.engine ? s.engine->tick() : 0) << '\n'
        << "notice " << s.noticeText << '\n'
        << "tutorialStep " << s.tutorialStep << '\n'
        << "introSkip " << s.introSkip << '\n'
        << "language " << s.language << '\n'
        << "submenuOpen " << s.submenuOpen << '\n'
        << "subItem " << s.subItem << '\n'
        << "levelSelectOpen " << s.levelSelectOpen << '\n'
        << "levelSelectRow " << s.levelSelectRow << '\n'
        << "userLevel " << s.userLevel << '\n'
        << "endScreenKind " << s.endScreenKind << '\n'
        << "newPlace " << s.newPlace << '\n'
        << "selectedKey " << s.selectedKey << '\n'
        << "musicOn " << s.musicOn << '\n'
        << "soundOn " << s.soundOn << '\n'
        << "alertEnabled " << s.alertEnabled << '\n'
        << "menuMusicChannel " << s.menuMusicChannel << '\n'
        << "muted " << audioMuted(s) << '\n';
    for (int i = 1; i <= s.enemyCount && i <= kMaxEnemies; ++i)
        out << "enemy" << i << " " << s.enemyKind[i] << " " << fixed(s.enemyX[i]) << " "
            << fixed(s.enemyY[i]) << " " << s.enemyFollowing[i] << '\n';
    out << "frame " << frame << '\n';
}

std::vector<std::pair<std::string, std::string>> printedFields(const GameState& state,
                                                               long long frame) {
    std::ostringstream text;
    printReplayState(state, frame, text);
    std::istringstream lines(text.str());
    std::vector<std::pair<std::string, std::string>> fields;
    for (std::string line; std::getline(lines, line);) {
        const auto space = line.find(' ');
        if (space != std::string::npos)
            fields.emplace_back(line.substr(0, space), line.substr(space + 1));
    }
    return fields;
}
