// MenuWalk.cpp - triggering every menu entry and cancelling what it opens.
#include "MenuWalk.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>

namespace {

// Entries that end the program or wait for a file from a person are left out.
bool skipped(const QAction& action) {
    const QString text = action.text().remove(u'&');
    return text.startsWith(QStringLiteral("Quit")) || text.startsWith(QStringLiteral("Exit"));
}

void collect(QMenu& menu, const QString& path, QList<QPair<QString, QAction*>>& entries) {
    for (QAction* action : menu.actions()) {
        const QString name = path + u'/' + action->text().remove(u'&');
        if (action->menu() != nullptr) {
            collect(*action->menu(), name, entries);
        } else if (!action->isSeparator() && action->isEnabled() && !skipped(*action)) {
            entries.append({name, action});
        }
    }
}

QString pictureName(const QString& entry, int dialog) {
    QString name = entry;
    for (QChar& c : name) {
        if (!c.isLetterOrNumber()) {
            c = u'-';
        }
    }
    return QStringLiteral("Studio%1-%2.png").arg(name).arg(dialog);
}

}  // namespace

int walkMenus(QMainWindow& window, const QString& pictureFolder) {
    QList<QPair<QString, QAction*>> entries;
    for (QAction* top : window.menuBar()->actions()) {
        if (top->menu() != nullptr) {
            collect(*top->menu(), QString(), entries);
        }
    }
    if (!pictureFolder.isEmpty()) {
        QDir().mkpath(pictureFolder);
    }
    QString current;
    int dialogs = 0;
    int stuck = 0;
    // Modal dialogs run their own event loop; this timer closes them from inside it.
    QTimer closer;
    closer.setInterval(60);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (dialog == nullptr) {
            return;
        }
        ++dialogs;
        if (!pictureFolder.isEmpty()) {
            dialog->grab().save(pictureFolder + u'/' + pictureName(current, dialogs));
        }
        std::printf("  %s: closing \"%s\"\n", qPrintable(current),
                    qPrintable(dialog->windowTitle()));
        dialog->reject();
        if (++stuck > 50) {
            std::printf("  %s: a dialog does not close\n", qPrintable(current));
            QApplication::exit(1);
        }
    });
    closer.start();
    for (const auto& [name, action] : entries) {
        current = name;
        dialogs = 0;
        stuck = 0;
        std::printf("%s\n", qPrintable(name));
        std::fflush(stdout);
        action->trigger();
        // Modeless dialogs and dock windows it opened are closed before the next entry.
        QApplication::processEvents();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget != &window && widget->isVisible() && qobject_cast<QDialog*>(widget)) {
                widget->close();
            }
        }
        QApplication::processEvents();
    }
    closer.stop();
    std::printf("%lld menu entries walked\n", static_cast<long long>(entries.size()));
    return 0;
}
