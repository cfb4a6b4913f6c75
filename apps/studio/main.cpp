// main.cpp - ovss-studio: loads the module and shows the host window.
// `ovss-studio --screenshot <file.png>` saves the window once it is up and exits (a smoke check
// that runs without a person, e.g. under QT_QPA_PLATFORM=offscreen).
#include <QApplication>
#include <QTimer>

#include "ModuleLibrary.h"
#include "StudioWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ovss-studio"));
    QApplication::setOrganizationName(QStringLiteral("Orvane"));

    StudioWindow window;
    window.show();
    const bool loaded = window.loadModule(ModuleLibrary::defaultPath());

    const QStringList args = QApplication::arguments();
    const qsizetype option = args.indexOf(QStringLiteral("--screenshot"));
    if (option >= 0 && option + 1 < args.size()) {
        const QString file = args.at(option + 1);
        QTimer::singleShot(200, &window, [&window, file, loaded] {
            const bool saved = window.grab().save(file);
            QApplication::exit(saved && loaded ? 0 : 1);
        });
    }
    return QApplication::exec();
}
