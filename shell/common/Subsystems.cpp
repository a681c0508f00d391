#include "Subsystems.h"

#include "tools/Install.h"

namespace shell {

void installSubsystems(app::AppContext& context) {
    tools::install(context);
}

} // namespace shell
