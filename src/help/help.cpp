// HELP_Click: the help message, addressed to the pupil by name.

#include "help/help_text.h"
#include "platform/platform.h"
#include "window/design.h"
#include "window/label.h"
#include "window/tavola.h"

void Tavola::HELP_Click()
{
    platform()->messageBox(help::message(lblnome1->text()), Platform::OkOnly, design::appTitle);
}
