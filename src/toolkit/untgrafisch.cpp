// Screen helpers: open and close the window, clear it, draw label boxes, set colours.
#include "toolkit/untgrafisch.h"

#include "platform/graph.h"

int16_t GRMODE = 0;

void GRHAALDRIVER() { InitGraph(2, 4, "Duinvelde data presentation"); }

void GRNAARGRAP() { SetGraphMode(GRMODE); }

void GRWISDRIVER() { CloseGraph(); }

void GRSCHERM(uint32_t VOORG, uint32_t ACHTER) {
    SetViewPort(0, 0, GetMaxX(), GetMaxY(), ClipOn);
    SetColor(VOORG);
    SetBkColor(ACHTER);
    ClearViewPort();
}

void GRETIKET(int16_t PX1, int16_t PY1, int16_t PX2, int16_t PY2, uint32_t VOORG, uint32_t ACHTER) {
    SetColor(VOORG);
    SetFillStyle(SolidFill, ACHTER);
    Rectangle(PX1, PY1, PX2, PY2);
    FloodFill(PX1 + 2, PY1 + 2, VOORG);
    SetColor(VOORG);
}

void GRKLEUR(uint32_t VOORG) {
    SetColor(VOORG);
    SetFillStyle(SolidFill, VOORG);
}

void GRSTIPPELVULLING(uint32_t VOORG) { SetFillStyle(CloseDotFill, VOORG); }

void GRVOLLEVULLING(uint32_t VOORG) { SetFillStyle(SolidFill, VOORG); }
