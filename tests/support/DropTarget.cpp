// Another program for the drag tests: a window at the place given on the command line
// ("x y width height") that takes drops of file lists. It prints "ready" once its window is on
// the screen, then one line per drop: "dropped" and each file dropped, separated by tabs. It ends
// by itself after two minutes, so it never outlives a test that lost track of it.

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

void say(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

class Target final : public QWidget
{
public:
    Target()
    {
        setWindowTitle(QStringLiteral("Drop target"));
        setAcceptDrops(true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!ready_)
            say(QStringLiteral("ready"));
        ready_ = true;
    }
    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list")))
            event->acceptProposedAction();
    }
    void dropEvent(QDropEvent* event) override
    {
        // Asking for the URLs is what reads the data from the program that started the drag.
        QStringList line{QStringLiteral("dropped")};
        for (const QUrl& url : event->mimeData()->urls())
            line << (url.isLocalFile() ? url.toLocalFile() : url.toString());
        say(line.join(QLatin1Char('\t')));
        event->acceptProposedAction();
    }

private:
    bool ready_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList place = app.arguments().mid(1);
    if (place.size() != 4) {
        std::fputs("usage: quenbrook_drop_target X Y WIDTH HEIGHT\n", stderr);
        return 2;
    }
    Target target;
    target.setGeometry(place[0].toInt(), place[1].toInt(), place[2].toInt(), place[3].toInt());
    target.show();
    QTimer::singleShot(120'000, &app, &QCoreApplication::quit);
    return app.exec();
}
