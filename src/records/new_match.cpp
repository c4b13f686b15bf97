// Next_Click: a new match on the same window.

#include "platform/platform.h"
#include "window/tavola.h"

void Tavola::Next_Click()
{
    if (platform()->messageBox(QStringLiteral("INIZIAMO UNA NUOVA GARA  ?"),
                               Platform::YesNo | Platform::Question | Platform::SecondButtonDefault,
                               QStringLiteral("INIZIARE NUOVA GARA")) == Platform::Answer::No)
        return;
    // Unload: the controls go, the countdown with them; the window object and its variables stay.
    hide();
    unloadDesign();
    // Load again: the design-time controls, then start-up in full, then show.
    loadDesign();
    Form_Load();
    // Not show(): in a browser's page that would stretch the window over the page.
    setVisible(true);
}
