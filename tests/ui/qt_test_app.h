#pragma once

#include "render/font_substitution.h"
#include "render/test_images.h"

#include <QApplication>

namespace lumikan::test {

// The widget tests share one offscreen application, made on first use (the
// test program's main comes from GoogleTest).
inline QApplication& qtApp()
{
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        auto* created = new QApplication(argc, argv);
        render::installFontSubstitutions();
        return created;
    }();
    return *app;
}

} // namespace lumikan::test
