#pragma once

#include "window/label.h"
#include "window/picturebutton.h"
#include "window/surface.h"

#include <QLineEdit>

// A control of the window, found as any user's tool finds it: by its object
// name, which is its design name. One that is missing stops the test at once.
template<typename Control>
Control *named(const QObject &window, const QString &name)
{
    auto *control = window.findChild<Control *>(name);
    if (!control)
        qFatal("no %s named %s", Control::staticMetaObject.className(), qPrintable(name));
    return control;
}

// The kinds of control the tests reach most, and the window's own drawing
// surface, which carries the window's name.
inline QLineEdit *box(const QObject &window, const QString &name) { return named<QLineEdit>(window, name); }
inline Label *label(const QObject &window, const QString &name) { return named<Label>(window, name); }
inline PictureButton *button(const QObject &window, const QString &name) { return named<PictureButton>(window, name); }
inline Surface *surface(const QObject &window) { return named<Surface>(window, QStringLiteral("Tavola")); }
