// The pictures and their helpers live in the header.
#include "support/AsciiBoard.h"
