#include "sim/IconBoard.h"

namespace {
IconBoard gNoBoard;
IconBoard* gBoard = &gNoBoard;
}  // namespace

IconBoard& IconBoard::Current() { return *gBoard; }

void IconBoard::Set(IconBoard* board) { gBoard = board ? board : &gNoBoard; }
