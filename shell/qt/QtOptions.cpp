#include "QtOptions.h"

#include "ScreenSteps.h"

#include <charconv>
#include <cmath>

namespace qtshell {

const char* qtUsage() {
    static const std::string text =
        std::string("window options: [--scale F] [--open-menu] [--first-frame-exit]\n"
                    "                [--phone-width POINTS]\n") +
        screenStepUsage() +
        "                and Qt's own, such as -platform offscreen\n"
        "In the window, --virtual-time holds the clock at that instant while timers run\n"
        "on real time.\n";
    return text.c_str();
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
        } else if (a == "--step") {
            ScreenStep step;
            if (i + 1 >= args.size())
                return "--step needs KIND:WHAT, such as present:UIExchange";
            if (auto error = parseScreenStep(args[i + 1], step))
                return error;
            out.steps.push_back(args[++i]);
        } else if (a == "--phone-width") {
            if (i + 1 >= args.size())
                return "--phone-width needs a width in points such as 320";
            const std::string& v = args[++i];
            double w = 0;
            auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), w);
            if (ec != std::errc() || end != v.data() + v.size() || !(w >= 280 && w <= 600))
                return "--phone-width: '" + v + "' is not a width between 280 and 600";
            out.phoneWidth = w;
        } else {
            rest.push_back(a);
        }
    }
    args = std::move(rest);
    return std::nullopt;
}

} // namespace qtshell
