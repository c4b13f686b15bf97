// valutaRisposta: grading an answer.

#include "../window/tavola.h"

void Tavola::valutaRisposta()
{
}
