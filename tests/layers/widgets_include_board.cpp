// Must not compile: a widget knows nothing of boards.
#include "board/BoardController.h"
