#include <QColorDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialog_test_support.h"
#include "dialogs/color_code.h"
#include "dialogs/colors_dialog.h"
#include "model/settings.h"

namespace taravin {

using namespace testing;

namespace {

// The swatches and their "..." buttons in the order first square, second square, background.
struct SwatchControls {
    explicit SwatchControls(const QDialog& dialog) {
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
            swatches.push_back(edit);
        }
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == "...") {
                chooseButtons.push_back(button);
            }
        }
        if (swatches.size() != 3 || chooseButtons.size() != 3) {
            qFatal("the Colors dialog needs three swatches with three buttons");
        }
    }
    QColor shown(int swatch) const { return swatches[swatch]->palette().color(QPalette::Base); }

    std::vector<QLineEdit*> swatches;
    std::vector<QPushButton*> chooseButtons;
};

}  // namespace

class ColorsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void colourCodesAreBlueGreenRed() {
        QCOMPARE(colorFromCode(0xC08080), QColor(128, 128, 192));
        QCOMPARE(codeFromColor(QColor(1, 2, 3)), 0x030201);
        QCOMPARE(colorFromCode(static_cast<int32_t>(0xFF102030)), QColor(0x30, 0x20, 0x10));
    }

    void theSwatchesShowTheStoredColoursOrTheDefaults() {
        MemoryProfile profile;
        profile.writeInt("Settings", "Color2Code", 0x0000FF);
        ColorsDialog dialog(profile);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Colors"));
        const SwatchControls controls(dialog);
        QCOMPARE(controls.shown(0), QColor(128, 128, 192));
        QCOMPARE(controls.shown(1), QColor(255, 0, 0));
        QCOMPARE(controls.shown(2), QColor(192, 192, 192));
        for (const QLineEdit* swatch : controls.swatches) {
            QVERIFY(swatch->isReadOnly());
            QVERIFY(swatch->text().isEmpty());
        }
    }

    void aChosenColourAndTheCustomColoursAreStoredOnOk() {
        MemoryProfile profile;
        profile.writeInt("CustomColors", "CustomColor3", 0x123456);
        profile.clearWrites();
        ColorsDialog dialog(profile);
        dialog.show();
        const SwatchControls controls(dialog);

        // The chooser opens on the swatch's colour with the stored custom colours; the user
        // defines a custom colour and picks green for the background.
        QColor offered;
        QColor customOffered;
        whenModalOpens<QColorDialog>([&](QColorDialog& chooser) {
            offered = chooser.currentColor();
            customOffered = QColorDialog::customColor(3);
            QColorDialog::setCustomColor(7, QColor(10, 20, 30));
            chooser.setCurrentColor(QColor(0, 255, 0));
            chooser.accept();
        });
        QTest::mouseClick(controls.chooseButtons[2], Qt::LeftButton);
        QCOMPARE(offered, QColor(192, 192, 192));
        QCOMPARE(customOffered, colorFromCode(0x123456));
        QCOMPARE(controls.shown(2), QColor(0, 255, 0));
        QVERIFY2(profile.writes().empty(), "nothing is stored before OK");

        // Another program's dialog may change the chooser's set meanwhile; the next choice
        // still offers this dialog's colours, the one just defined included.
        QColorDialog::setCustomColor(7, Qt::black);
        QColor definedBefore;
        whenModalOpens<QColorDialog>([&](QColorDialog& chooser) {
            definedBefore = QColorDialog::customColor(7);
            chooser.setCurrentColor(QColor(255, 255, 0));
            chooser.reject();
        });
        QTest::mouseClick(controls.chooseButtons[0], Qt::LeftButton);
        QCOMPARE(definedBefore, QColor(10, 20, 30));
        QCOMPARE(controls.shown(0), QColor(128, 128, 192));

        click(dialog, "OK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        std::vector<std::string> keys{"Settings/Color1Code", "Settings/Color2Code",
                                      "Settings/BkgColorCode"};
        for (int i = 0; i < kCustomColorCount; ++i) {
            keys.push_back("CustomColors/CustomColor" + std::to_string(i));
        }
        QCOMPARE(writtenKeys(profile), keys);
        QCOMPARE(readSetting(profile, kColor1CodeSetting), 0xC08080);
        QCOMPARE(readSetting(profile, kBkgColorCodeSetting), 0x00FF00);
        const CustomColors custom = readCustomColors(profile);
        QCOMPARE(custom[3], 0x123456);
        QCOMPARE(custom[7], 0x1E140A);
        QCOMPARE(custom[0], 0xFFFFFF);
    }

    void defaultColorsThenCancelLeavesTheProfileAlone() {
        MemoryProfile profile;
        profile.writeInt("Settings", "Color1Code", 0x000000);
        profile.writeInt("Settings", "BkgColorCode", 0x0000FF);
        profile.clearWrites();
        ColorsDialog dialog(profile);
        dialog.show();
        const SwatchControls controls(dialog);
        click(dialog, "&Default Colors");
        QCOMPARE(controls.shown(0), QColor(128, 128, 192));
        QCOMPARE(controls.shown(1), QColor(192, 192, 192));
        QCOMPARE(controls.shown(2), QColor(192, 192, 192));
        click(dialog, "Cancel");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(profile.writes().empty());
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::ColorsDialogTest)
#include "colors_dialog_test.moc"
