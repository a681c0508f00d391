// tamberlinove: the windowed application, or with --headless the automation driver.
#include "HeadlessDriver.h"

#include "AppInstance.h"
#include "QtApp.h"
#include "QtOptions.h"

#include <QFont>
#include <QGuiApplication>
#include <iostream>

int main(int argc, char** argv) {
    shell::LaunchOptions options;
    if (!shell::parseCommandLine(argc, argv, options))
        return 2;
    for (const auto& a : options.passThrough)
        if (a == "--help" || a == "-h") {
            std::cout << shell::usage() << qtshell::qtUsage();
            return 0;
        }
    if (options.headless)
        return shell::runHeadless(options);

    qtshell::QtOptions qtOptions;
    if (auto error = qtshell::takeQtOptions(options.passThrough, qtOptions)) {
        std::cerr << "tamberlinove: " << *error << '\n' << shell::usage() << qtshell::qtUsage();
        return 2;
    }
    // Qt sees only what is left (-platform, -style, ...); it keeps argc and argv.
    std::vector<std::string> qtArgs{argv[0]};
    qtArgs.insert(qtArgs.end(), options.passThrough.begin(), options.passThrough.end());
    std::vector<char*> qtArgv;
    for (auto& a : qtArgs)
        qtArgv.push_back(a.data());
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArgs.size());
    // Read before Qt's platform plugin takes them from the environment.
    const QVariantMap platformData = qtshell::AppInstance::platformDataFromEnvironment();

    QGuiApplication::setApplicationName(QStringLiteral("tamberlinove"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("토벨라문"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(qtshell::AppInstance::kBusName));
    QGuiApplication app(qtArgc, qtArgv.data());

    // A launch while the app runs goes to its window; this process then ends.
    qtshell::AppInstance instance;
    switch (
        instance.claim(options, qtshell::AppInstance::usesBus(options, qtOptions), platformData)) {
    case qtshell::AppInstance::Outcome::HandedOver:
        return 0;
    case qtshell::AppInstance::Outcome::Refused:
        return 1;
    case qtshell::AppInstance::Outcome::Primary:
        break;
    }

    QFont font(QStringLiteral("NanumBarunGothic"));
    font.setFamilies({QStringLiteral("NanumBarunGothic"), QStringLiteral("NanumGothic")});
    // Unhinted, as Qt Quick draws text on the graphics card anyway: hinting each glyph as it
    // is loaded is a good part of laying out the first screen's text in software.
    font.setHintingPreference(QFont::PreferNoHinting);
    QGuiApplication::setFont(font);

    qtshell::QtApp tamberlinove(options, qtOptions);
    if (!tamberlinove.start())
        return 1;
    instance.serve(
        [&](const std::optional<std::string>& shortcut) { tamberlinove.activate(shortcut); });
    return QGuiApplication::exec();
}
