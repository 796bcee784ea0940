#include "support/AsciiBoard.h"
