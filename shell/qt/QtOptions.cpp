#include "QtOptions.h"

#include <charconv>
#include <cmath>

namespace qtshell {

const char* qtUsage() {
    return "window options: [--scale F] [--open-menu] [--first-frame-exit]\n"
           "                [--radio demo|bluetooth]\n"
           "                and Qt's own, such as -platform offscreen\n"
           "In the window, --virtual-time holds the clock at that instant while timers run\n"
           "on real time.\n";
}

std::optional<std::string> takeQtOptions(std::vector<std::string>& args, QtOptions& out) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--scale") {
            if (i + 1 >= args.size())
                return "--scale needs a factor such as 1.5";
            const std::string& v = args[++i];
            double f = 0;
            auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), f);
            if (ec != std::errc() || end != v.data() + v.size() || !std::isfinite(f) || f < 0.25 ||
                f > 8)
                return "--scale: '" + v + "' is not a factor between 0.25 and 8";
            out.scale = f;
        } else if (a == "--first-frame-exit") {
            out.firstFrameExit = true;
        } else if (a == "--open-menu") {
            out.openMenu = true;
        } else if (a == "--radio") {
            const std::string v = i + 1 < args.size() ? args[++i] : std::string();
            if (v == "demo")
                out.radio = QtOptions::Radio::Demo;
            else if (v == "bluetooth")
                out.radio = QtOptions::Radio::Bluetooth;
            else
                return "--radio needs demo or bluetooth";
        } else {
            rest.push_back(a);
        }
    }
    args = std::move(rest);
    return std::nullopt;
}

} // namespace qtshell
