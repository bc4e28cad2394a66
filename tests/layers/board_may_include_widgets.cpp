// Must compile: the board stands on the widgets and its own rules.
#include "board/core/BoardTables.h"
#include "platform/core/Options.h"
#include "widgets/FlexGrid.h"
