// Screen helpers: open and close the window, clear it, draw label boxes, set colours.
#pragma once

#include <cstdint>

extern int16_t GRMODE;

void GRHAALDRIVER();
void GRNAARGRAP();
void GRWISDRIVER();
void GRSCHERM(uint32_t VOORG, uint32_t ACHTER);
void GRETIKET(int16_t PX1, int16_t PY1, int16_t PX2, int16_t PY2, uint32_t VOORG, uint32_t ACHTER);
void GRKLEUR(uint32_t VOORG);
void GRSTIPPELVULLING(uint32_t VOORG);
void GRVOLLEVULLING(uint32_t VOORG);
