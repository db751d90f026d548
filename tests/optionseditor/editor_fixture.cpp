#include "editor_fixture.hpp"

#include "common/highscore_file.hpp"
#include "optionseditor/about_window.hpp"
#include "optionseditor/highscore_viewer.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QTest>

#include <cstdlib>

namespace {

int argc = 1;
char programName[] = "optionseditor_tests";
char* argv[] = {programName, nullptr};

// One application for all tests, made when the first needs it and gone before the program's
// own exit, which Qt does not survive.
void ensureApplication() {
    if (QApplication::instance() != nullptr) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
}

class ApplicationEnvironment : public ::testing::Environment {
  public:
    void TearDown() override { delete QApplication::instance(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace

TestTree::TestTree() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "brimzel-options-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    for (const char* folder : {"bin", "options", "highscore/default"}) {
        std::filesystem::create_directories(root_ / folder);
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

void TestTree::writeTable(const std::filesystem::path& file,
                          const std::vector<std::pair<std::string, int>>& places) {
    common::HighscoreFile table;
    for (std::size_t place = 0; place < places.size(); ++place) {
        table.highscoreNames[place] = places[place].first;
        table.highscorePoints[place] = static_cast<std::int16_t>(places[place].second);
    }
    ASSERT_TRUE(common::writeHighscoreFile(file, table).ok());
}

std::vector<std::string> optionLinesWith(const std::vector<std::pair<int, std::string>>& changes) {
    std::vector<std::string> lines = common::defaultOptionsLines();
    for (const auto& [number, text] : changes) {
        lines[static_cast<std::size_t>(number - 1)] = text;
    }
    return lines;
}

void EditorTest::SetUp() {
    ensureApplication();
}

void EditorTest::TearDown() {
    if (window) {
        window->hide();
        window->highscoreViewer()->hide();
        window->aboutWindow()->hide();
    }
}

void EditorTest::startWith(const std::vector<std::string>& currentLines) {
    TestTree::writeLines(tree.currentFile(), currentLines);
    startWithoutFile();
}

void EditorTest::startWithoutFile() {
    window = std::make_unique<optionseditor::MainWindow>(optionseditor::EditorPaths{tree.bin()},
                                                         dialogs);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->start();
}

void EditorTest::trigger(const char* actionName) const {
    QAction* action = child<QAction>(actionName);
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
}

void EditorTest::click(const char* buttonName) const {
    auto* button = child<QAbstractButton>(buttonName);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void EditorTest::typeInto(const char* fieldName, const QString& text) const {
    auto* field = child<QLineEdit>(fieldName);
    ASSERT_NE(field, nullptr);
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}
