#include "support/TestMain.h"

#include <QList>
#include <QMetaMethod>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#if defined(QT_WIDGETS_LIB)
#include <QApplication>
using TestApplication = QApplication;
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

namespace testsupport {
namespace {

QList<TestFactory>& tests()
{
    static QList<TestFactory> all;
    return all;
}

std::map<std::string, ChildRole>& roles()
{
    static std::map<std::string, ChildRole> all;
    return all;
}

bool hasFunction(const QObject& test, const QByteArray& name)
{
    const QMetaObject* meta = test.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        if (meta->method(i).name() == name)
            return true;
    return false;
}

// The test functions named on the command line (options and their values left out).
QList<QByteArray> namedFunctions(int argc, char** argv)
{
    static const QList<QByteArray> withValue{"-o",        "-maxwarnings", "-eventdelay",
                                             "-keydelay", "-mousedelay",  "-platform"};
    QList<QByteArray> names;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (withValue.contains(arg))
            ++i;
        else if (!arg.startsWith('-'))
            names << arg.left(arg.indexOf(':') < 0 ? arg.size() : arg.indexOf(':'));
    }
    return names;
}

} // namespace

int registerTest(TestFactory factory)
{
    tests() << factory;
    return int(tests().size());
}

int registerRole(const char* flag, ChildRole role)
{
    roles()[flag] = role;
    return int(roles().size());
}

} // namespace testsupport

int main(int argc, char** argv)
{
    using namespace testsupport;
    if (argc > 1) {
        const auto role = roles().find(argv[1]);
        if (role != roles().end())
            return role->second(argc, argv);
    }
    // Nothing a test does may reach the user's own folders.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", home.filePath("cache").toLocal8Bit());
    TestApplication app(argc, argv);

    const QList<QByteArray> named = namedFunctions(argc, argv);
    int failures = 0;
    for (TestFactory make : tests()) {
        const std::unique_ptr<QObject> test(make());
        const bool wanted =
            named.isEmpty() || std::any_of(named.begin(), named.end(), [&](const QByteArray& name) {
                return hasFunction(*test, name);
            });
        if (wanted)
            failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures;
}
