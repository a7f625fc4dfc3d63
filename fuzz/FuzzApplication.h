#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdlib>

// The fuzz targets decode pictures and measure fonts, which needs a GUI application; the
// offscreen platform needs no display.
inline void StartFuzzApplication()
{
    static int argc = 1;
    static char name[] = "quenbrook-fuzz";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(argc, argv);
}

// The input as a file at path, its folder made if need be.
inline void WriteFuzzInput(const QString& path, const uint8_t* data, size_t size)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
}
