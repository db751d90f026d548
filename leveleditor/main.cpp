#include "common/command_line.hpp"
#include "leveleditor/main_window.hpp"
#include "leveleditor/qt_dialogs.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>
#include <iostream>

namespace {

std::string usage(const common::FileLayout& layout) {
    return common::formatUsage(
        {"brimzel-leveleditor [--help] [--version]",
         "The Brimzel level editor: place the fly and up to ten enemies on a map and save up to\n"
         "sixteen user levels for the game.",
         "gfx/, levels/user/, bin/Brimzel.ini",
         "levels/user/level1.lev .. level16.lev, bin/Brimzel.ini (line 9)"},
        layout);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::filesystem::path programFolder = common::programFolder(argv[0]);
    const common::FileLayout layout = common::findLayout(programFolder);
    if (const auto ended = common::startTool(argc, argv, "Brimzel-Leveleditor", layout, usage))
        return *ended;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Brimzel-Leveleditor"));
    // Yes, No and Cancel and the file dialog in the desktop's language when Qt has it.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&qtTexts);
    }
    leveleditor::QtDialogs dialogs;
    leveleditor::MainWindow window(
        leveleditor::EditorPaths{programFolder,
                                 layout.isSystem() ? std::optional(layout) : std::nullopt},
        dialogs);
    window.show();
    if (!window.start()) {
        return EXIT_FAILURE;
    }
    return app.exec();
}
