// A stand-in for a file manager: pressing the mouse on its window drags the
// files named on the command line, offered as copy, move or link.

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

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
    }

private:
    QList<QUrl> urls_;
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QList<QUrl> urls;
    for (const QString& path : app.arguments().mid(1))
        urls.append(QUrl::fromLocalFile(path));
    DragSource source(urls);
    source.move(640, 0);
    source.show();
    return app.exec();
}
