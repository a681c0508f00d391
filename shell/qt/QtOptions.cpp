#include "QtOptions.h"

#include <charconv>
#include <cmath>

namespace qtshell {

const char* qtUsage() {
    return "window options: [--scale F] [--screen-size WxH] [--open-menu] [--first-frame-exit]\n"
           "                [--step JSON]... (driver commands run before --screenshot)\n"
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
        } else if (a == "--step") {
            if (i + 1 >= args.size())
                return "--step needs a driver command such as "
                       "{\"cmd\":\"tap\",\"outlet\":\"btn_Menu1\"}";
            out.steps.push_back(args[++i]);
        } else if (a == "--first-frame-exit") {
            out.firstFrameExit = true;
        } else if (a == "--open-menu") {
            out.openMenu = true;
        } else {
            rest.push_back(a);
        }
    }
    args = std::move(rest);
    return std::nullopt;
}

} // namespace qtshell
