#pragma once

// What the window tests share: drops sent as a user's drag would arrive,
// message boxes closed as a user would close them, and the state that a
// refused action must leave as it was.

#include "ui/file_list_box.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace ordanex::testing {

inline QMimeData* filesData(const std::vector<std::string>& paths)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const std::string& path : paths)
        urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
    data->setUrls(urls);
    return data;
}

// Sends a whole drag (enter, move, drop) to the list's viewport and takes
// ownership of `data`. Returns the action taken, or IgnoreAction.
inline Qt::DropAction drag(frmMain& window, QMimeData* data, Qt::DropActions offered)
{
    QWidget* viewport = window.lbFilelist->viewport();
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, offered, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, offered, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(at, offered, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    delete data;
    const bool taken = enter.isAccepted() && move.isAccepted() && drop.isAccepted();
    return taken ? drop.dropAction() : Qt::IgnoreAction;
}

// Closes every message box that comes up, after checking it is the
// program's plain box, and collects the texts.
struct Boxes {
    QStringList texts;
    bool allPlain = true;
    QTimer timer;
    Boxes()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            texts.append(box->text());
            allPlain = allPlain && box->windowTitle() == QLatin1String("Ordanex") &&
                       box->icon() == QMessageBox::NoIcon &&
                       box->standardButtons() == QMessageBox::Ok;
            box->button(QMessageBox::Ok)->click();
        });
        timer.start(5);
    }
};

struct State {
    std::vector<std::string> entries;
    int selection;
    QString destination;
    bool operator==(const State&) const = default;
};

inline State stateOf(frmMain& window)
{
    return {window.entries().entries(), window.entries().selection(), window.dfDestination->text()};
}

} // namespace ordanex::testing
