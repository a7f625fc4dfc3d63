#pragma once

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
