#include "tavolaview.h"

void setAnswerCountsForTest(Tavola &window, qint16 right, qint16 wrong)
{
    window.risposteEsatte = right;
    window.risposteErrate = wrong;
}
