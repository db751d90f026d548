#include "optionseditor/main_window.hpp"
#include "optionseditor/qt_dialogs.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
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
        optionseditor::EditorPaths{QApplication::applicationDirPath().toStdString()}, dialogs);
    window.show();
    window.start();
    return app.exec();
}
