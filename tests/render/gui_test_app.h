#pragma once

#include "render/font_substitution.h"
#include "render/test_images.h"

#include <QGuiApplication>

namespace lumikan::test {

// The drawing tests share one offscreen application without widgets, made on
// first use (the test program's main comes from GoogleTest).
inline QGuiApplication& guiApp()
{
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "render_tests";
        static char* argv[] = {name, nullptr};
        auto* created = new QGuiApplication(argc, argv);
        render::installFontSubstitutions();
        return created;
    }();
    return *app;
}

} // namespace lumikan::test
