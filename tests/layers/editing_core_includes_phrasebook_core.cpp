// Must not compile: one subsystem's rules do not see another's.
#include "phrasebook/core/PhraseFile.h"
