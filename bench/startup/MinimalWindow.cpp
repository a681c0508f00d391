// The baseline of the start-up benchmark: the smallest Qt Quick window that draws one line
// of Korean text in the Nanum font, started like the app and ended at its first frame.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <cstdio>

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
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
        std::printf("first-frame-ms %lld\n", static_cast<long long>(sinceStart.elapsed()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QGuiApplication::exec();
}
