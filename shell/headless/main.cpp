// tamberlinove without a display: the automation driver.
#include "HeadlessDriver.h"

#include <iostream>

int main(int argc, char** argv) {
    shell::LaunchOptions options;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (auto error = shell::parseLaunchOptions(args, options)) {
        std::cerr << "tamberlinove: " << *error << '\n' << shell::usage();
        return 2;
    }
    return shell::runHeadless(options);
}
