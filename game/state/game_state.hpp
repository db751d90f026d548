// The one record of the game program. It is created once with the window and handed by
// reference to every frame step; there is no other shared store. Numbered lists (enemy slots,
// enemy kinds, probes, popped halves, menu items) keep their 1-based numbers: index 0 is unused.
#pragma once

#include "audio/audio.hpp"
#include "common/file_layout.hpp"
#include "engine/engine.hpp"

#include <array>
#include <cstdint>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <random>
#include <string>

inline constexpr int kMaxEnemies = 10;
inline constexpr int kEnemyKinds = 4;
inline constexpr int kPoppedHalfSlots = 10;
inline constexpr int kSoundCount = 17;
inline constexpr int kOptionLineCount = 30;
inline constexpr int kGlyphCount = 87;

// A probe point of the fly or an enemy, play-field pixels.
struct ProbePoint {
    float x = 0.0f;
    float y = 0.0f;
};

// One entry per arrow direction.
template <typename T> struct PerDirection {
    T right{};
    T left{};
    T up{};
    T down{};
};

// The two halves of a taken bubble drifting apart.
struct PoppedHalf {
    bool active = false;
    double leftX = 0.0, rightX = 0.0;
    double leftY = 0.0, rightY = 0.0;
    double alpha = 0.0;
    double angle = 0.0;
};

// A stretch of a frame that the play steps move the game through (play_clock.hpp).
struct PlayPiece {
    double elapsedMs = 0.0;
    std::uint32_t tick = 0; // the clock at the piece's end
};

template <typename T> using EnemySlots = std::array<T, kMaxEnemies + 1>; // 1..10
template <typename T> using KindTable = std::array<T, kEnemyKinds + 1>;  // 1 wasp .. 4 hornet

struct GameState {
    // ---- Engine and loop ----------------------------------------------------------------
    // One engine object stands for the whole display side: set-up, frame clear and present,
    // clock, input, textures, drawing, fonts, fades and screenshots.
    std::unique_ptr<engine::Engine> engine;
    // The piece of the frame being played; without one the play steps read the engine's clock.
    std::optional<PlayPiece> playPiece;
    bool bLoop = false;
    // Why the loop ended on a fault the program cannot go on from (a picture that failed at its
    // first use); empty on a normal end. The program reports it and ends without its shutdown.
    std::string fatalError;
    // The one random generator; seeded from the engine clock so a scripted run repeats.
    std::mt19937 rng{0u};
    // Where the files are, relative to the working directory: tables, options, saved
    // progress, user levels and screenshots are read through it and written through it.
    common::FileLayout files;

    // ---- Shell ---------------------------------------------------------------------------
    std::int16_t screenState = 0;
    std::uint32_t screenStartTick = 0;
    bool introFading = true;
    double introFade = 0.0;
    bool introSkip = false;
    double logoAngle = 0.0;
    bool screenshotArmed = false;
    std::int32_t screenshotCount = 0;
    std::int16_t menuBackground = 1;
    int loadedCount = 0;
    int loadTotal = 359;                                     // kLoadingSteps
    std::array<std::string, kOptionLineCount> optionLines{}; // lines 1..30 as read, [0] is line 1
    std::string language = "en";
    bool musicOn = true;
    bool soundOn = true;
    bool alertEnabled = true;
    bool saveEnabled = false;
    std::int16_t userLevelCount = 0;
    // Per enemy kind, from the options file (speeds already divided by 100).
    KindTable<double> kindSpeed{};
    KindTable<double> kindFollowSpeed{};
    KindTable<double> kindReaction{};
    KindTable<double> kindFollowTime{};
    KindTable<double> kindSleepTime{};
    KindTable<std::int16_t> kindFrames{0, 5, 5, 5, 7};
    std::array<std::string, kGlyphCount + 1> glyphTable{}; // 1..87

    // ---- Audio ---------------------------------------------------------------------------
    std::unique_ptr<audio::System> audioSystemA; // every sound is created and played here...
    std::unique_ptr<audio::System> audioSystemB; // ...except the hornet buzz
    unsigned audioVersion = 0;
    audio::Result audioResult = audio::Result::Ok; // stored, never acted on
    audio::EchoHandle echoUnit;
    std::array<audio::SoundHandle, kSoundCount> sounds{}; // in load order, [0] is the game music
    audio::ChannelHandle soundChannel = 0;                // intro music and one-shot effects
    audio::ChannelHandle menuMusicChannel = 0;
    audio::ChannelHandle buzzChannel = 0; // drain buzz (gravitation point or enemy contact)
    audio::ChannelHandle gameMusicChannel = 0;
    audio::ChannelHandle levelIntroChannel = 0;
    EnemySlots<audio::ChannelHandle> enemyChannels{};
    std::int16_t currentEnemySlot = 1; // slot whose channel the chase sounds use

    // ---- Input latches: set while the key is down, the action fires on release -----------
    // General set: menu, intro and high-score screens.
    bool latchRight = false;
    bool latchLeft = false;
    bool latchUp = false;
    bool latchDown = false;
    bool latchEnter = false;
    // Pause panel and end-of-level screens.
    bool pauseLatchUp = false;
    bool pauseLatchDown = false;
    bool pauseLatchEnter = false;
    // Escape in play.
    bool escapeLatch = false;

    // ---- Run -----------------------------------------------------------------------------
    std::int16_t gameMode = 1; // 1 scenario, 2 bubble match, 3 time attack
    std::int16_t levelNumber = 1;
    bool userLevel = false;
    std::int16_t lives = 3;
    bool levelWon = false;
    bool levelLost = false;
    bool gaveUp = false;
    bool quitToMenu = false;
    double endFade = 0.0;
    std::int16_t endScreenKind = 0; // 1 lose, 2 progress saved, 3 win
    // Set when a level file cannot be played (missing or malformed) or a map has no open
    // ground; the shell shows the text and returns to the main menu.
    bool levelLoadFailed = false;
    std::string levelError;

    // ---- Level (from the level file) -----------------------------------------------------
    std::int16_t mapNumber = 1;
    double gravityX = 0.0;
    double gravityY = 0.0;
    std::int16_t bubblesTotal = 0;
    std::int16_t minutes = 0;
    std::int16_t seconds = 0;
    std::int16_t timeLimitMinutes = 0;
    std::int16_t timeLimitSeconds = 0;

    // ---- Fly -----------------------------------------------------------------------------
    double flyX = 512.0;
    double flyY = 384.0;
    std::int16_t flyAngle = 0; // drawn angle; may lie in -135..495 while turning
    bool angleSettled = false;
    double turnRate = 0.7;  // degrees per ms
    double turnCarry = 0.0; // turning of frames too short for a whole degree
    double flySpeed = 0.45; // px per ms
    std::int16_t flyHeading = 0;
    PerDirection<bool> heldKeys{};
    PerDirection<std::string> glideTag{}; // "R", "L", "U", "D" while gliding, else empty
    PerDirection<double> glideSpeed{};
    std::string lastDirection;
    bool diagonalHeld = false;
    double directionTimer = 0.0; // seconds
    std::int16_t flyFrame = 1;
    std::int16_t flyFrameStep = 1;
    std::int32_t flyFrameClock = 0;
    std::string flyFrameKey = "fly_m1";
    std::array<ProbePoint, 8> headProbes{}; // 1..7, turned by flyHeading
    std::array<ProbePoint, 6> pullProbes{}; // 1..5, turned by gravityAngle
    bool flyBlocked = false;

    // ---- Gravitation point ---------------------------------------------------------------
    double gravityDX = 0.0;
    double gravityDY = 0.0;
    double gravityDistance = 0.0;
    double gravityPull = 0.0;
    double gravityAngle = 0.0;
    bool pullBlocked = false;
    bool gravityDrain = false;
    bool alertActive = false;

    // ---- Enemies (slots 1..enemyCount are live) ------------------------------------------
    std::int16_t enemyCount = 3;
    EnemySlots<std::int16_t> enemyKind{0, 1, 2, 3, 4};
    EnemySlots<double> enemyX{};
    EnemySlots<double> enemyY{};
    EnemySlots<double> enemyAngle{};
    EnemySlots<double> enemyTargetAngle{};
    EnemySlots<double> enemySpeed{};
    EnemySlots<double> enemyFollowSpeed{};
    EnemySlots<std::int32_t> enemyReaction{};
    EnemySlots<double> enemyFollowTime{};
    EnemySlots<double> enemySleepTime{};
    EnemySlots<bool> enemyTurning{};
    EnemySlots<std::int16_t> enemyTurnDir{};
    EnemySlots<bool> enemyFollowing{};
    EnemySlots<bool> enemyLocked{};
    EnemySlots<bool> enemySleeping{};
    EnemySlots<std::uint32_t> enemyTimer{};
    EnemySlots<double> enemyDX{};
    EnemySlots<double> enemyDY{};
    EnemySlots<double> enemyDistance{};
    EnemySlots<std::int16_t> enemyFrame{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    EnemySlots<std::int16_t> enemyFrameStep{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    EnemySlots<std::string> enemyFrameKey{};
    EnemySlots<std::array<ProbePoint, 6>> enemyProbes{}; // E1..E5
    std::uint32_t enemyAnimTick = 0;
    std::uint32_t enemyWanderTick = 0;
    bool enemyDrain = false;

    // ---- Bubbles -------------------------------------------------------------------------
    std::int16_t bubbleX = 0;
    std::int16_t bubbleY = 0;
    bool bubbleVisible = false;
    double bubbleAngle = 0.0;
    std::int16_t bubblesCollected = 0;
    std::int16_t tutorialBubbles = 0;
    bool healthBubbleActive = false;
    bool healthBubbleFading = false;
    bool healthBubbleSpawning = false;
    float healthBubbleX = 0.0f;
    float healthBubbleY = 0.0f;
    double healthBubbleAngle = 0.0;
    double healthBubbleAlpha = 0.0;
    std::uint32_t healthBubbleLastRoll = 0;
    std::int16_t healthBubbleSpawnTries = 0; // frames spent looking for a spot
    std::array<PoppedHalf, kPoppedHalfSlots + 1> poppedHalves{};

    // ---- Energy, clock, score ------------------------------------------------------------
    std::int16_t energy = 100;
    std::int16_t energyPending = 0;
    std::uint32_t energyGainTick = 0;
    std::uint32_t energyDrainTick = 0;
    std::uint32_t clockTick = 0;
    std::int16_t score = 0; // saturates at the 16-bit limit the high-score tables hold
    std::int32_t displayedScore = 0;
    bool scoreCounting = false;
    std::uint32_t lastScoreTick = 0;
    std::int32_t timeBonus = 0;

    // ---- Pause and tutorial --------------------------------------------------------------
    bool paused = false;
    std::int16_t pauseSelection = 1;
    std::int16_t pausePanelWidth = 0;
    double panelAlpha = 0.0;
    double selectionAlpha = 0.0;
    std::uint32_t pauseStart = 0;
    std::uint32_t pausedTime = 0;
    bool tutorialActive = false;
    std::int16_t tutorialStep = 0;
    bool tutorialPanelShown = false;
    bool tutorialPanelClosing = false;
    bool tutorialLeft = false;
    std::uint32_t tutorialStepStart = 0;
    std::uint32_t tutorialDelay = 5000;
    std::array<bool, 5> arrowsPressed{}; // 1 left, 2 right, 3 up, 4 down

    // ---- Play field and HUD --------------------------------------------------------------
    double alertAlpha = 0.0;
    std::int16_t alertPhase = 1; // 1 rising, 2 falling
    double celestialAngle = 78.0;
    double conveyorUpperOffset = -1024.0;
    double conveyorLowerOffset = 0.0;
    double wheelAngle = 0.0;
    std::array<double, 17> wheelX = [] { // 1..16 at 64 px spacing
        std::array<double, 17> x{};
        for (int i = 1; i <= 16; ++i)
            x[i] = 64.0 * (i - 1);
        return x;
    }();
    std::array<double, 18> bottleX = [] { // 1..17
        std::array<double, 18> x{};
        for (int i = 1; i <= 17; ++i)
            x[i] = 64.0 * i - 128.0;
        return x;
    }();
    double lightTimer = 0.0;

    // ---- Main menu -----------------------------------------------------------------------
    std::int16_t menuItem = 1;
    bool submenuOpen = false;
    std::int16_t subItem = 1;
    std::int16_t subItemCount = 0;
    bool levelSelectOpen = false;
    std::int16_t levelSelectRow = 1;
    std::int16_t levelSet = 1; // 1 built-in, 2 user levels
    std::int16_t levelChoice = 1;
    std::int16_t viewerMode = 1;
    std::int16_t viewerLevel = 1;
    std::array<double, 6> itemWidth{0.0, 248.0, 150.0, 150.0, 150.0, 150.0}; // 1..5
    double panelSize = 0.0;
    std::int16_t panelState = 3; // 1 opening, 2 closing, 3 at rest
    double levelPanelAlpha = 0.0;
    std::int16_t levelPanelState = 0; // 1 fading in, 2 fading out
    std::int16_t backgroundIndex = 1;
    double backgroundAlpha = 1.0;
    double backgroundTimer = 0.0;
    std::string helpLine;
    std::string helpShown;
    std::int16_t helpLetterCount = 0;
    double helpTimer = 0.0;
    bool startGame = false;
    bool highscoreScreenActive = false;
    double leaveFade = 0.0;

    // ---- High-score table and name entry -------------------------------------------------
    std::array<std::string, 5> highscoreNames{};   // places 1..4
    std::array<std::int16_t, 5> highscorePoints{}; // places 1..4
    std::int16_t newPlace = 0;
    std::int16_t selectedKey = 1; // 1..81, kept between entries
    double blinkTimer = 0.0;

    // ---- End-of-level screens ------------------------------------------------------------
    std::int16_t loseChoice = 1;
    std::int16_t winChoice = 1;
    bool saveScreenShown = false;
    bool continueFade = false;
    bool saveFade = false;
    bool backFade = false;
    bool highscoreFade = false;

    // ---- Level intro ---------------------------------------------------------------------
    double introTextTop = 768.0;
    double pressTop = 768.0;
    double pressAlpha = 1.0;
    std::int16_t pressPhase = 1; // 1 falling, 2 rising

    // ---- Shell additions (start-up, resources, sound, input, drawing) --------------------
    // Fields the shell needs beyond those above go here.
    // Keys found released this frame by the input step, for the screen steps that act on them.
    struct ReleasedKeys {
        bool right = false, left = false, up = false, down = false, enter = false;
    };
    ReleasedKeys menuKeys{};
    ReleasedKeys endScreenKeys{};
    ReleasedKeys highscoreKeys{};
    bool introEscapeLatch = false;
    bool introSpaceLatch = false;
    bool tutorialEscapeLatch = false;
    // The hornet's buzz plays on system B; its channel handle is B's.
    EnemySlots<bool> enemyChannelOnB{};
    // Display: a window exists (messages go to a message box) or the game runs headless.
    bool windowed = false;
    // A message for the player that the active screen shows (level file problems).
    std::string noticeText;
    std::uint32_t noticeUntilTick = 0;

    // ---- Menu, level intro and name-entry additions --------------------------------------
    std::int16_t helpLineItem = 0; // top item whose help line is loaded; 0 none yet
    double infoWidth = 52.0;       // the turning info card
    bool infoShrinking = true;
    bool infoBackShown = false;
    std::array<double, 6> underlineLength{};   // submenu rows 1..5
    std::array<bool, 6> underlineShrinking{};  // per row: on its way back to 0
    std::array<double, 5> levelRowUnderline{}; // level panel rows 1..4
    std::array<bool, 5> levelRowShrinking{};
    bool levelIntroSpaceLatch = false;
    bool levelIntroEnterLatch = false;

    // Focus of the window as last seen by the frame loop.
    bool windowFocused = true;

    // A new row was written into a table at name entry. The frame loop, which keeps the
    // session's recording, stores the run behind it beside the table once the frame is done.
    struct HighscoreRunRequest {
        std::filesystem::path table;
        std::int16_t place = 0;
        std::string name;
        std::int16_t points = 0;
    };
    std::optional<HighscoreRunRequest> highscoreRunToStore;
    // That run being written, off the frame loop so the leaving fade never stalls; the state
    // waits for it when it goes.
    std::future<void> highscoreRunWrite;
};
