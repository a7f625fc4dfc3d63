// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/TestMain.h"

#include <QTemporaryDir>
#include <QTest>

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

// The command line for one test class: every option, and of the test functions named, only its
// own. Empty when functions are named and none is the class's.
QStringList argumentsFor(const QObject& test, const QStringList& arguments)
{
    static const QStringList withValue{"-o",        "-maxwarnings", "-eventdelay",
                                       "-keydelay", "-mousedelay",  "-platform"};
    QStringList own{arguments.first()}, functions;
    bool named = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.startsWith('-')) {
            own << argument;
            if (withValue.contains(argument) && i + 1 < arguments.size())
                own << arguments[++i];
        } else {
            named = true;
            const QByteArray slot = argument.section(':', 0, 0).toLatin1() + "()";
            if (test.metaObject()->indexOfSlot(slot) >= test.metaObject()->methodOffset())
                functions << argument;
        }
    }
    return named && functions.isEmpty() ? QStringList() : own + functions;
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
    if (const auto role = roles().find(argc > 1 ? argv[1] : ""); role != roles().end())
        return role->second(argc, argv);
    // Nothing a test does may reach the user's own folders.
    QTemporaryDir home;
    for (const QString place : {"data", "config", "cache"})
        qputenv(qPrintable("XDG_" + place.toUpper() + "_HOME"), home.filePath(place).toLocal8Bit());
    TestApplication app(argc, argv);

    int failures = 0, ran = 0;
    for (TestFactory make : tests()) {
        const std::unique_ptr<QObject> test(make());
        const QStringList arguments = argumentsFor(*test, app.arguments());
        if (!arguments.isEmpty()) {
            failures += QTest::qExec(test.get(), arguments);
            ++ran;
        }
    }
    if (ran == 0)
        qWarning("No test class here has the test functions named.");
    return ran == 0 ? 1 : failures;
}
