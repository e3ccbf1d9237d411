// SPDX-FileCopyrightText: 2026 The Ordanex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for a file manager: pressing the mouse on its window drags the
// files named on the command line, offered as copy, move or link, and says
// on its output when the drag has ended. With --times N first, it drags
// each of them N times.

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

#include <cstdio>

class DragSource : public QWidget {
public:
    explicit DragSource(QList<QUrl> urls) : urls_(std::move(urls))
    {
        setWindowTitle(QStringLiteral("Drag source"));
        resize(120, 80);
    }

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls(urls_);
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::MoveAction);
        std::printf("drag ended\n");
        std::fflush(stdout);
    }

private:
    QList<QUrl> urls_;
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList paths = app.arguments().mid(1);
    const qsizetype times =
        paths.value(0) == QStringLiteral("--times") ? paths.value(1).toInt() : 1;
    if (times != 1)
        paths = paths.mid(2);
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QList<QUrl>(times, QUrl::fromLocalFile(path)));
    DragSource source(urls);
    source.move(640, 0);
    source.show();
    return app.exec();
}
