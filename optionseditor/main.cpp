#include "common/command_line.hpp"
#include "optionseditor/main_window.hpp"
#include "optionseditor/qt_dialogs.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <iostream>

namespace {

std::string usage(const common::FileLayout& layout) {
    return common::formatUsage({"brimzel-options [--help] [--version]",
                                "The Brimzel options editor: change the game's settings, look at "
                                "its high-score tables and\n"
                                "put their default copies back.",
                                "bin/Brimzel.ini, options/, highscore/, highscore/default/",
                                "bin/Brimzel.ini, options/, highscore/"},
                               layout);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::filesystem::path programFolder = common::programFolder(argv[0]);
    const common::FileLayout layout = common::findLayout(programFolder);
    if (const auto ended = common::startTool(argc, argv, "Brimzel-Options", layout, usage))
        return *ended;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Brimzel-Options"));
    // Yes, No and Cancel of the message boxes in the desktop's language when Qt has it.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&qtTexts);
    }
    optionseditor::QtDialogs dialogs;
    optionseditor::MainWindow window(
        optionseditor::EditorPaths{programFolder,
                                   layout.isSystem() ? std::optional(layout) : std::nullopt},
        dialogs);
    window.show();
    window.start();
    return app.exec();
}
