#pragma once
// The wash run: the Go button's handler. A call while a run is in progress only asks that run
// to stop.
#include "engine/wash_context.h"

void ScrubAndGoBtnClick(WashContext& ctx);
