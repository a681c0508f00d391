// tamberlinove without a display: the automation driver.
#include "HeadlessDriver.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    shell::LaunchOptions options;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (auto error = shell::parseLaunchOptions(args, options)) {
        std::cerr << "tamberlinove: " << *error << '\n' << shell::usage();
        return 2;
    }
    if (!options.passThrough.empty()) {
        std::cerr << "tamberlinove: unknown option " << options.passThrough.front() << '\n'
                  << shell::usage();
        return 2;
    }
    shell::HeadlessDriver driver(std::cout);
    if (!driver.start(options))
        return 1;
    return driver.run(STDIN_FILENO);
}
