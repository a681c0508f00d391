// The baseline of the start-up benchmark: the smallest Qt Quick window that draws one line
// of Korean text in the Nanum font, started like the app and ended at its first frame (with
// --stay it stays open, the baseline of the idle measure).
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    const bool stay = argc > 1 && std::strcmp(argv[1], "--stay") == 0;
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData(
        "import QtQuick\n"
        "Window { width: 375; height: 667; visible: true\n"
        "  Rectangle { anchors.fill: parent; color: \"#087E8B\"\n"
        "    Text { anchors.centerIn: parent; color: \"white\"; font.pixelSize: 17\n"
        "      font.family: \"NanumBarunGothic\"; text: \"다음 항공편을 확인하세요\" } } }\n");
    if (engine.rootObjects().isEmpty())
        return 1;
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    QObject::connect(window, &QQuickWindow::frameSwapped, &app, [&] {
        if (stay)
            return;
        std::printf("first-frame-ms %lld\n", static_cast<long long>(sinceStart.elapsed()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QGuiApplication::exec();
}
