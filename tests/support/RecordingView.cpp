// The recording view and the fixed die live in their header.
#include "support/RecordingView.h"
