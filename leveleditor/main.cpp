#include "leveleditor/main_window.hpp"
#include "leveleditor/qt_dialogs.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>

int main(int argc, char* argv[]) {
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
        leveleditor::EditorPaths{QApplication::applicationDirPath().toStdString()}, dialogs);
    window.show();
    if (!window.start()) {
        return EXIT_FAILURE;
    }
    return app.exec();
}
