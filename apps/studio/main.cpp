// main.cpp - ovss-studio: loads the module and shows the host window.
// `ovss-studio --screenshot <file.png>` saves the window once it is up and exits (a smoke check
// that runs without a person, e.g. under QT_QPA_PLATFORM=offscreen). `--drawing <file.json>` opens
// a drawing first and `--macros 0,1` opens the parameter dialogs of those macros; the screenshot
// then shows the open dialogs over the window, as a person would see them. `--walk-menus <folder>`
// triggers every menu entry, closes what it opens and saves the dialogs' pictures in <folder>.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTimer>

#include "MenuWalk.h"
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
    const qsizetype drawing = args.indexOf(QStringLiteral("--drawing"));
    if (loaded && drawing >= 0 && drawing + 1 < args.size() &&
        window.openDrawing(args.at(drawing + 1))) {
        window.resize(1320, 900);
        const qsizetype macros = args.indexOf(QStringLiteral("--macros"));
        const QStringList indices = macros >= 0 && macros + 1 < args.size()
                                        ? args.at(macros + 1).split(u',')
                                        : QStringList();
        for (const QString& index : indices) {
            window.openMacroDialog(index.toInt());
        }
    }
    const qsizetype walk = args.indexOf(QStringLiteral("--walk-menus"));
    if (walk >= 0) {
        const QString folder = walk + 1 < args.size() ? args.at(walk + 1) : QString();
        QTimer::singleShot(0, &window, [&window, folder, loaded] {
            QApplication::exit(loaded ? walkMenus(window, folder) : 1);
        });
        return QApplication::exec();
    }
    const qsizetype option = args.indexOf(QStringLiteral("--screenshot"));
    if (option >= 0 && option + 1 < args.size()) {
        const QString file = args.at(option + 1);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QTimer::singleShot(200, &window, [&window, file, loaded] {
            QImage shot = window.grab().toImage();
            QPainter painter(&shot);
            // Open dialogs side by side from the left, cascading down.
            int left = 24;
            int top = 110;
            for (QWidget* dialog : QApplication::topLevelWidgets()) {
                if (dialog != &window && dialog->isVisible() && qobject_cast<QDialog*>(dialog)) {
                    painter.drawPixmap(QPoint(left, top), dialog->grab());
                    left += dialog->width() + 16;
                    top += 40;
                }
            }
            painter.end();
            const bool saved = shot.save(file);
            QApplication::exit(saved && loaded ? 0 : 1);
        });
    }
    return QApplication::exec();
}
