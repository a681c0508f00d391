// The first screen's fonts, remembered between starts and made before the views need them.
#include "FontWarmup.h"
#include "QtTestApp.h"
#include "TempDir.h"

#include <QLoggingCategory>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace {

using qtshell::FontUse;
using qtshell::FontWarmup;

/// Text items made from QML, laid out as the app's views are.
class Scene {
public:
    explicit Scene(const QByteArray& qml) {
        QQmlComponent component(&engine_);
        component.setData("import QtQuick\n" + qml, QUrl());
        root_.reset(qobject_cast<QQuickItem*>(component.create()));
        EXPECT_TRUE(root_) << component.errorString().toStdString();
    }
    QQuickItem* root() const { return root_.get(); }

private:
    QGuiApplication& app_ = gui_testing::qtApp(); // made before the engine
    QQmlEngine engine_;
    std::unique_ptr<QQuickItem> root_;
};

/// Counts the font matches (one per font engine made) while it lives.
class FontMatches {
public:
    FontMatches() {
        count_ = 0;
        QLoggingCategory::setFilterRules(QStringLiteral("qt.text.font.match.debug=true"));
        previous_ = qInstallMessageHandler(&FontMatches::handle);
    }
    ~FontMatches() {
        qInstallMessageHandler(previous_);
        QLoggingCategory::setFilterRules(QStringLiteral("qt.text.font.match.debug=false"));
    }
    int count() const { return count_; }

private:
    static void handle(QtMsgType, const QMessageLogContext& context, const QString& message) {
        if (QByteArray(context.category) == "qt.text.font.match" &&
            message.contains(QLatin1String("QFontDatabasePrivate::match")))
            ++count_;
    }
    static inline int count_ = 0;
    QtMessageHandler previous_ = nullptr;
};

TEST(FontWarmup, RecordsEachFontOnceAndWhetherItDrawsKorean) {
    Scene scene(R"(
        Item {
            Text { text: "항공편"; font.family: "NanumBarunGothic"; font.pixelSize: 13 }
            Text { text: "ICN"; font.family: "NanumBarunGothic"; font.pixelSize: 13 }
            Item {
                Text { text: "12:30"; font.family: "NanumBarunGothic"; font.pixelSize: 24; font.bold: true }
                Text { text: ""; font.family: "NanumBarunGothic"; font.pixelSize: 24; font.bold: true }
            }
        })");
    const QList<FontUse> fonts = FontWarmup::record(scene.root());
    const QList<FontUse> expected{{QStringLiteral("NanumBarunGothic"), 13, 400, false, true},
                                  {QStringLiteral("NanumBarunGothic"), 24, 700, false, false}};
    EXPECT_EQ(fonts, expected);
}

TEST(FontWarmup, WarmedFontsAreTheOnesTextItemsUse) {
    gui_testing::qtApp();
    // Sizes no other test uses, so that no engine for them exists yet.
    {
        FontMatches matches;
        Scene cold(
            R"(Text { text: "캐리어 찾기"; font.family: "NanumBarunGothic"; font.pixelSize: 37 })");
        EXPECT_GT(matches.count(), 0);
    }
    FontWarmup::warm({{QStringLiteral("NanumBarunGothic"), 41, 700, false, true}});
    FontMatches matches;
    Scene warmed(R"(
        Text { text: "캐리어 찾기"; font.family: "NanumBarunGothic"; font.pixelSize: 41; font.bold: true })");
    EXPECT_EQ(matches.count(), 0) << "the text item made its own font engines after all";
}

TEST(FontWarmup, ListRoundTripsAndDamagedFilesGiveWhatIsReadable) {
    testing_support::TempDir dir;
    const QString path = QString::fromStdString(dir.file("cache/fonts"));
    const QList<FontUse> fonts{{QStringLiteral("NanumBarunGothic"), 13, 400, false, true},
                               {QStringLiteral("NanumGothic"), 24, 700, true, false}};
    ASSERT_TRUE(FontWarmup::save(path, fonts));
    EXPECT_EQ(FontWarmup::load(path), fonts);

    EXPECT_TRUE(FontWarmup::load(QString::fromStdString(dir.file("absent"))).isEmpty());

    std::ofstream damaged(dir.file("damaged"));
    damaged << "just text\nNanumGothic\tbig\t400\t0\t1\nNanumGothic\t-5\t400\t0\t0\n"
               "NanumGothic\t99999\t400\t0\t0\n\t12\t400\t0\t0\nNanumGothic\t15\t700\t0\t1\n";
    for (int i = 0; i < 200; ++i)
        damaged << "NanumGothic\t" << 100 + i << "\t400\t0\t0\n";
    damaged.close();
    const QList<FontUse> read = FontWarmup::load(QString::fromStdString(dir.file("damaged")));
    ASSERT_FALSE(read.isEmpty());
    EXPECT_EQ(read.first(), (FontUse{QStringLiteral("NanumGothic"), 15, 700, false, true}));
    EXPECT_LE(read.size(), 64) << "a long file must not make start-up make hundreds of fonts";
}

} // namespace
