#pragma once

#include <gtest/gtest.h>

#include <QObject>

#include "pages/lighting/tarn_color_area.h"

namespace mousecfg::test {

// A named child of the page or dialog; the test fails when it is missing.
template <class T>
T* part(const QObject& parent, const char* name) {
    T* w = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

}  // namespace mousecfg::test
