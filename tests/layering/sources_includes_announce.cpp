// Built only by the layering test, which expects this include to be refused:
// the station sources sit beside the announcer and may not reach into it.
#include "announce/sequencer.h"
