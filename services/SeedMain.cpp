// tamberlinove-services-seed FILE: writes a new stand-in data file holding the demo data's
// reference lists. The build embeds it in the services library.

#include "services/DataStore.h"
#include "services/DemoData.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tamberlinove-services-seed FILE\n");
        return 2;
    }
    const std::string path = argv[1];
    try {
        std::filesystem::remove(path);
        std::filesystem::remove(path + "-journal");
        services::DataStore store(path);
        store.seed(services::DemoData::load());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tamberlinove-services-seed: %s\n", e.what());
        std::filesystem::remove(path);
        return 1;
    }
    return 0;
}
