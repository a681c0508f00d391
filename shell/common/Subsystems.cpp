#include "Subsystems.h"

#include "flights/UIAirportSchedule.h"
#include "tools/Install.h"

namespace shell {

void installSubsystems(app::AppContext& context) {
    flights::registerFlightScreens(context);
    tools::install(context);
}

} // namespace shell
