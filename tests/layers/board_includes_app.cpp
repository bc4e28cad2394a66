// Must not compile: the board is below the window.
#include "app/frmTalk.h"
