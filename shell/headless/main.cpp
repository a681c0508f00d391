// tamberlinove without a display: the automation driver.
#include "HeadlessDriver.h"

int main(int argc, char** argv) {
    shell::LaunchOptions options;
    if (!shell::parseCommandLine(argc, argv, options))
        return 2;
    return shell::runHeadless(options);
}
