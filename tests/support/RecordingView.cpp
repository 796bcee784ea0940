#include "support/RecordingView.h"
