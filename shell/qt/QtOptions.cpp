#include "QtOptions.h"

#include <charconv>
#include <cmath>

namespace qtshell {

const char* qtUsage() {
    return "window options: [--scale F] [--open-menu] [--first-frame-exit]\n"
           "                [--radio demo|bluetooth] [--phone WIDTHxHEIGHT]\n"
           "                [--tap OUTLET|TABLE/ROW/OUTLET] [--press BUTTON] [--wait SECONDS]\n"
           "                (in order, once start-up is done; then --screenshot)\n"
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
        } else if (a == "--tap" || a == "--press" || a == "--wait") {
            auto step = ScreenshotStep::parse(a, i + 1 < args.size() ? args[++i] : std::string());
            if (!step)
                return a + " needs a usable value";
            out.steps.push_back(*step);
        } else if (a == "--phone") {
            const std::string v = i + 1 < args.size() ? args[++i] : std::string();
            const auto x = v.find('x');
            double w = 0, h = 0;
            const bool read = x != std::string::npos &&
                              std::from_chars(v.data(), v.data() + x, w).ptr == v.data() + x &&
                              std::from_chars(v.data() + x + 1, v.data() + v.size(), h).ptr ==
                                  v.data() + v.size();
            if (!read || !(w >= 240 && w <= 1024 && h >= 400 && h <= 1400))
                return "--phone needs a size such as 320x568";
            out.phoneWidth = w;
            out.phoneHeight = h;
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
