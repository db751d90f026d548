#pragma once

#include <QString>

#include <string>

namespace leveleditor {

enum class Language { czech, english };

// "en" is English; every other code, and a missing one, is Czech, the installed default.
Language languageFromCode(const std::string& code);

// Every fixed caption and message of the editor, in both languages.
enum class Text {
    title,
    mapLabel,
    mapItemPrefix,
    flyItem,
    enemyX,
    enemyY,
    enemyAngle,
    bubbles,
    time,
    showMask,
    newLevel,
    open,
    saveAs,
    deleteLevel,
    addEnemy,
    deleteEnemy,
    end,
    ok,
    cancel,
    czech,
    english,
    selectMapFirst,
    cannotDeleteFly,
    cannotDeleteUnselected,
    onlyNumbers,
    axisXRange,
    axisYRange,
    angleRange,
    noMoreEnemies,
    tooManyLevels,
    noBubbles,
    noTime,
    saveChanges,
    reallyDelete,
    damagedFile,
    fileFilter,
};

QString text(Language language, Text id);

// "Vosa", "Gnat", ... for kinds 1..4; an unknown kind has no name.
QString kindName(Language language, int kind);
// The list item of the k-th enemy: "3. Hornet".
QString enemyItem(Language language, int number, int kind);
// "Mapa 3" / "Map 3".
QString mapItem(Language language, int map);

// "Saved as levels\user\level4.lev".
QString savedAsMessage(Language language, int number);
// Failures of file operations name the file below the installation root.
QString cannotWriteMessage(Language language, const QString& file);
QString cannotDeleteMessage(Language language, const QString& file);
QString cannotRenameMessage(Language language, const QString& from, const QString& to);
QString replaceLevelQuestion(Language language, const QString& file);
QString optionsUnreadableMessage(const QString& file, const QString& reason);
QString optionsUnwritableMessage(Language language, const QString& file);
// The map view's engine did not start; said in both languages, as the options file is not
// read yet.
QString viewFailedMessage(const QString& reason);

// "00", "07", "01:05".
QString twoDigits(int value);
QString timeText(int minutes, int seconds);

} // namespace leveleditor
