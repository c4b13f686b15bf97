// Answer entry: the keys of the two answer boxes, and Enter for the default button.

#include "../window/tavola.h"

bool Tavola::eventFilter(QObject *watched, QEvent *event)
{
    return QMainWindow::eventFilter(watched, event);
}

void Tavola::txtAnswer_KeyPress(int)
{
}

void Tavola::Text3_KeyPress(int)
{
}
