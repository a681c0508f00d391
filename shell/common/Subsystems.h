#pragma once
// The subsystems that plug screens and hooks into the app's context, installed by both
// front-ends before the main screen loads.

#include "app/AppContext.h"

namespace shell {

void installSubsystems(app::AppContext& context);

} // namespace shell
