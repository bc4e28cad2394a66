// Must not compile: the scanner's rules are given plain facts, never a board.
#include "board/core/BoardTables.h"
