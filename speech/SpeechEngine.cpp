// The interface has no code of its own; this file gives its signals their
// meta-object.
#include "speech/SpeechEngine.h"
