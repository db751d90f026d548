#include "editor_fixture.hpp"

#include "common/level_record.hpp"
#include "common/options_file.hpp"
#include "common/text_lines.hpp"
#include "leveleditor/map_view.hpp"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <cstdlib>

namespace {

void ensureApplication() {
    if (QApplication::instance() != nullptr) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "leveleditor_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's input devices would outlive it at exit.
    new QApplication(argc, argv);
}

} // namespace

leveleditor::Answer ScriptedDialogs::ask(QWidget*, const QString& text) {
    questions << text;
    if (answers.empty()) {
        return leveleditor::Answer::cancel;
    }
    const leveleditor::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedDialogs::openFileName(QWidget*, const QString&, const QString& folder,
                                      const QString& filter) {
    fileDialogFolders << folder;
    fileDialogFilters << filter;
    if (fileAnswers.empty()) {
        return {};
    }
    QString name = fileAnswers.front();
    fileAnswers.pop_front();
    return name;
}

TestTree::TestTree(bool withPictures) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "brimzel-leveleditor-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    for (const char* folder : {"bin", "levels/user"}) {
        std::filesystem::create_directories(root_ / folder);
    }
    const std::filesystem::path pictures = std::filesystem::path(BRIMZEL_TREE) / "gfx";
    if (withPictures && std::filesystem::exists(pictures)) {
        std::filesystem::create_directory_symlink(pictures, root_ / "gfx");
    }
}

TestTree::~TestTree() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

void TestTree::writeLines(const std::filesystem::path& file,
                          const std::vector<std::string>& lines) {
    ASSERT_TRUE(common::writeTextLines(file, lines).ok());
}

std::vector<std::string> TestTree::readLines(const std::filesystem::path& file) {
    auto lines = common::readTextLines(file, 100);
    EXPECT_TRUE(lines.ok()) << lines.message();
    return lines.ok() ? lines.value() : std::vector<std::string>{};
}

std::vector<std::string> optionLinesWith(const std::vector<std::pair<int, std::string>>& changes) {
    std::vector<std::string> lines = common::defaultOptionsLines();
    for (const auto& [number, text] : changes) {
        lines[static_cast<std::size_t>(number - 1)] = text;
    }
    return lines;
}

void writeLevel(const std::filesystem::path& file, int map, int bubbles, int minutes, int seconds,
                const std::vector<int>& enemyKinds) {
    common::LevelRecord level;
    level.map = static_cast<std::int16_t>(map);
    level.flyX = 100;
    level.flyY = 200;
    level.bubbles = static_cast<std::int16_t>(bubbles);
    level.minutes = static_cast<std::int16_t>(minutes);
    level.seconds = static_cast<std::int16_t>(seconds);
    level.enemyCount = static_cast<std::int16_t>(enemyKinds.size());
    for (std::size_t i = 0; i < enemyKinds.size(); ++i) {
        level.enemies[i] = {static_cast<std::int16_t>(enemyKinds[i]),
                            100.0f + 50.0f * static_cast<float>(i), 300.0f,
                            static_cast<std::int16_t>(10 * i)};
    }
    ASSERT_TRUE(common::WriteLevelFile(file, level).ok());
}

void EditorTest::SetUp() {
    ensureApplication();
    tree = std::make_unique<TestTree>(withPictures);
}

void EditorTest::TearDown() {
    if (window) {
        window->hide();
    }
    window.reset();
    tree.reset();
}

void EditorTest::startWith(const std::vector<std::string>& optionLines) {
    TestTree::writeLines(tree->optionsFile(), optionLines);
    startWithoutOptions();
}

void EditorTest::startEnglish(int userLevels) {
    startWith(
        optionLinesWith({{3, "GameLanguage:en"}, {9, "UserLevels:" + std::to_string(userLevels)}}));
}

void EditorTest::startCzech(int userLevels) {
    startWith(optionLinesWith({{9, "UserLevels:" + std::to_string(userLevels)}}));
}

void EditorTest::startWithoutOptions() {
    leveleditor::EditorConfig config;
    config.frameLoop = false;
    config.scriptedMsPerFrame = msPerFrame;
    config.createEngine = createEngine;
    window = std::make_unique<leveleditor::MainWindow>(leveleditor::EditorPaths{tree->bin()},
                                                       dialogs, config);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    started = window->start();
    frames(1);
}

void EditorTest::click(const char* buttonName) const {
    auto* button = child<QAbstractButton>(buttonName);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << buttonName;
    QTest::mouseClick(button, Qt::LeftButton);
}

void EditorTest::chooseMap(int map) const {
    auto* combo = child<QComboBox>("Combo1");
    ASSERT_TRUE(combo->isEnabled());
    combo->setCurrentIndex(map - 1);
}

void EditorTest::addEnemy(int kind) const {
    click("Command5");
    auto* kinds = child<QListWidget>("List2");
    ASSERT_TRUE(kinds->isVisible());
    QTest::mouseClick(kinds->viewport(), Qt::LeftButton, {},
                      kinds->visualItemRect(kinds->item(kind - 1)).center());
    click("Command8");
}

void EditorTest::selectItem(int row) const {
    auto* list = child<QListWidget>("List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void EditorTest::typeInto(const char* fieldName, const QString& text) const {
    auto* field = child<QLineEdit>(fieldName);
    ASSERT_TRUE(field->isEnabled()) << fieldName;
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    }
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void EditorTest::typeAndLeave(const char* fieldName, const QString& text,
                              const char* nextField) const {
    auto* field = child<QLineEdit>(fieldName);
    ASSERT_TRUE(field->isEnabled()) << fieldName;
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    child<QWidget>(nextField)->setFocus(Qt::MouseFocusReason);
}

QString EditorTest::fieldText(const char* fieldName) const {
    return child<QLineEdit>(fieldName)->text();
}

QString EditorTest::labelText(const char* labelName) const {
    return child<QLabel>(labelName)->text();
}

QStringList EditorTest::listItems(const char* listName) const {
    QStringList items;
    auto* list = child<QListWidget>(listName);
    for (int row = 0; row < list->count(); ++row) {
        items << list->item(row)->text();
    }
    return items;
}

void EditorTest::frames(int count) const {
    for (int i = 0; i < count; ++i) {
        // Pending input first, as the running editor handles it between frames.
        QCoreApplication::processEvents();
        window->runFrame();
    }
}

void EditorTest::holdArrow(const char* labelName, int frameCount) const {
    auto* label = child<QLabel>(labelName);
    QTest::mousePress(label, Qt::LeftButton);
    frames(frameCount);
    QTest::mouseRelease(label, Qt::LeftButton);
}

void EditorTest::dragInView(QPoint from, const std::vector<QPoint>& path) const {
    QWidget* view = window->mapView();
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    frames(1);
    for (const QPoint& point : path) {
        QTest::mouseMove(view, point);
        frames(1);
    }
    QTest::mouseRelease(view, Qt::LeftButton, {}, path.empty() ? from : path.back());
    frames(1);
}

void EditorTest::openFile(const std::filesystem::path& file) {
    dialogs.fileAnswers.push_back(QString::fromStdString(file.string()));
    click("Command4");
    frames(1);
}
