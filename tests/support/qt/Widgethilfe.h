// What a widget test does as the user: typing into a widget, finding a
// child widget by its name, working a modal dialog, and keeping a picture
// of a window.
#pragma once

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

class QDialog;

namespace Testhilfe {

// Types the text into the widget, one key press and release a character.
void Tippen(QWidget* w, const QString& text);

// The child widget of that type and object name; a missing one fails the test.
template <class W> W* Kind(QWidget& eltern, const char* name) {
    auto* w = eltern.findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Runs zeigen, which opens a modal dialog; from the dialog's event loop the
// dialog is handed to bedienen, and closed should bedienen leave it open
// (a failed step), so the call ends. The dialog not shown fails the test.
// Nothing of it outlives the call: no timer fires into a later test, and no
// clock decides, however slow the machine.
void Modal(const std::function<void()>& zeigen, const std::function<void(QDialog&)>& bedienen);

// Saves a picture of the window under the file name when the environment
// variable ZIRVO_SCREENSHOTS names a folder.
void Bild(QWidget& w, const char* datei);

} // namespace Testhilfe
