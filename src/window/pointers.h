#pragma once

class QCursor;
class QWidget;

// Gives `widget` the pointer `draw` draws, the first time the mouse comes over
// the widget. No pointer shows before then, and drawing one takes longer than
// anything else a control needs to show itself.
void setPointerOnEnter(QWidget *widget, QCursor (*draw)());
