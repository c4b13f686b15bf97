#pragma once

#include <QStringView>

// The keypad a page shows on a touch screen: the digits, "Cancella" and
// "Invio", for a pupil who has no keyboard.
namespace keypad {

// Gives the window that has the keyboard the key named on the keypad ("0" to
// "9", "Cancella", "Invio") as the keyboard gives it: pressed and released,
// never held, through the same routing as a typed key (Enter reaches "Nuovo
// calcolo" or a message box's default button as Enter does). Nothing happens
// for another name, or while no window has the keyboard.
void press(QStringView name);

} // namespace keypad
