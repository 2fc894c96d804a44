#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "dialogs/qsettings_profile.h"
#include "model/settings.h"

namespace taravin {

// Every test gets a fresh settings folder in a temporary directory, so the user's own profile
// is never read or written.
class QSettingsProfileTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_->path());
    }

    void cleanup() { folder_.reset(); }

    void storesUnderTheProgramsNamesInTheTemporaryFolder() {
        QSettingsProfile profile;
        profile.writeInt("Settings", "Rows", 12);
        const QString file = QSettings("Kestrow - Danlo Program", "Taravin").fileName();
        QVERIFY(file.startsWith(folder_->path()));
        QFile stored(file);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        const QByteArray text = stored.readAll();
        QVERIFY(text.contains("[Settings]"));
        QVERIFY2(text.contains("Rows=12"), "a write reaches the file at once");
    }

    void missingKeysReadAsTheCallersDefault() {
        const QSettingsProfile profile;
        QCOMPARE(profile.readInt("Settings", "Rows", 10), 10);
        QCOMPARE(profile.readInt("Window", "Top", -1), -1);
        QCOMPARE(profile.readString("Settings", "RedName"), std::string());
        QCOMPARE(profile.readString("Settings", "RedName", "x"), std::string("x"));
        QCOMPARE(readBoardSetup(profile).redLocations, std::string("A4, D1, G1, J4"));
    }

    void writesAreSeenByTheNextReaderAndKeepTheirSection() {
        QSettingsProfile writer;
        writer.writeInt("Settings", "Top", 5);
        writer.writeInt("Window", "Top", -20);
        writer.writeString("Settings", "RedName", "Zoë");
        writer.writeString("Settings", "RedLocations", "a4,d1 g1 ,j4");
        writer.writeInt("CustomColors", "CustomColor15", 0x123456);
        const QSettingsProfile reader;
        QCOMPARE(reader.readInt("Settings", "Top", -1), 5);
        QCOMPARE(reader.readInt("Window", "Top", -1), -20);
        QCOMPARE(reader.readString("Settings", "RedName"), std::string("Zoë"));
        QCOMPARE(reader.readString("Settings", "RedLocations"), std::string("a4,d1 g1 ,j4"));
        QCOMPARE(readCustomColors(reader)[15], 0x123456);
        QCOMPARE(readCustomColors(reader)[0], 0xFFFFFF);
    }

    void handEditedValuesReadSafely() {
        QFile file(QSettings("Kestrow - Danlo Program", "Taravin").fileName());
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "[Settings]\n"
            "Rows=99999999999\n"
            "Columns=abc\n"
            "RedMoveTimeout=-4\n"
            "BlueMoveTimeout=@Invalid()\n"
            "Sound=0\n"
            "RedLocations=A4, D1, G1, J4\n"
            "BlueName=\xC3\xA9\xFF\n");
        file.close();
        const QSettingsProfile profile;
        QCOMPARE(profile.readInt("Settings", "Rows", 10), 10);
        QCOMPARE(profile.readInt("Settings", "Columns", 10), 10);
        QCOMPARE(profile.readInt("Settings", "Sound", 1), 0);
        QCOMPARE(readPlayerSettings(profile, Side::kRed).moveTimeout, 30);
        QCOMPARE(readPlayerSettings(profile, Side::kBlue).moveTimeout, 30);
        QCOMPARE(profile.readString("Settings", "RedLocations"), std::string("A4, D1, G1, J4"));
        QVERIFY(!profile.readString("Settings", "BlueName").empty());
    }

  private:
    std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace taravin

QTEST_GUILESS_MAIN(taravin::QSettingsProfileTest)
#include "qsettings_profile_test.moc"
