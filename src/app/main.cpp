#include "app/SampleWindow.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quenbrook"));
    QApplication::setApplicationVersion(QStringLiteral("1.4.5"));

    const QStringList args = QApplication::arguments();
    const QString folder = args.size() > 1 ? args.at(1) : QDir::currentPath();
    quenbrook::SampleWindow window(folder);
    window.show();
    return QApplication::exec();
}
