#include "QtOptions.h"

#include <charconv>
#include <cmath>

namespace qtshell {

const char* qtUsage() {
    return "window options: [--scale F] [--screen-size WxH] [--open-menu] [--first-frame-exit]\n"
           "                [--radio demo|bluetooth]\n"
           "                [--step JSON] [--tap OUTLET|TABLE/ROW/OUTLET] [--press BUTTON]\n"
           "                [--wait SECONDS] (driver commands and waits, in order, once\n"
           "                start-up is done; then --screenshot)\n"
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
        } else if (a == "--screen-size") {
            if (i + 1 >= args.size())
                return "--screen-size needs a size such as 320x568";
            const std::string& v = args[++i];
            double w = 0, h = 0;
            const auto x = v.find('x');
            const char* end = v.data() + v.size();
            if (x == std::string::npos ||
                std::from_chars(v.data(), v.data() + x, w).ptr != v.data() + x ||
                std::from_chars(v.data() + x + 1, end, h).ptr != end || w < 200 || h < 300 ||
                w > 2000 || h > 3000)
                return "--screen-size: '" + v + "' is not a size such as 320x568";
            out.screenSize = std::pair{w, h};
        } else if (a == "--first-frame-exit") {
            out.firstFrameExit = true;
        } else if (a == "--open-menu") {
            out.openMenu = true;
        } else if (a == "--step" || a == "--tap" || a == "--press" || a == "--wait") {
            auto step = ScreenStep::parse(a, i + 1 < args.size() ? args[++i] : std::string());
            if (!step)
                return a == "--step" ? "--step needs a driver command such as "
                                       "{\"cmd\":\"tap\",\"outlet\":\"btn_Menu1\"}"
                                     : a + " needs a usable value";
            out.steps.push_back(*step);
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
