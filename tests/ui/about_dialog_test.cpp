#include <QDesktopServices>
#include <QLabel>
#include <QTest>

#include "dialog_test_support.h"
#include "dialogs/about_dialog.h"
#include "dialogs/hyperlink_label.h"

namespace taravin {

using namespace testing;

// Takes the addresses that the links open, in place of the browser.
class OpenedAddresses : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> opened;

  public slots:
    void open(const QUrl& address) { opened.append(address); }
};

class AboutDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QDesktopServices::setUrlHandler("https", &addresses_, "open");
        QDesktopServices::setUrlHandler("http", &addresses_, "open");
    }

    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("http");
    }

    void theTitleLineCarriesTheCompiledInVersion() {
        AboutDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Taravin"));
        QCOMPARE(AboutDialog::titleLine(), QStringLiteral("Taravin - v1.0.35"));
        bool shown = false;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            shown = shown || label->text() == "Taravin - v1.0.35";
        }
        QVERIFY(shown);
    }

    void twoLinksLookLikeLinksAndOpenTheirOwnPages() {
        AboutDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QList<HyperlinkLabel*> links = dialog.findChildren<HyperlinkLabel*>();
        QCOMPARE(links.size(), 2);
        QVERIFY(links[0]->target() != links[1]->target());
        for (HyperlinkLabel* link : links) {
            QVERIFY(link->target().isValid());
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QCOMPARE(link->palette().color(QPalette::Window),
                     dialog.palette().color(QPalette::Button));
            QVERIFY(link->autoFillBackground());
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            addresses_.opened.clear();
            QTest::mouseClick(link, Qt::LeftButton);
            QCOMPARE(addresses_.opened, QList<QUrl>{link->target()});
        }
    }

    void aNewLinkHasADefaultTargetThatTheOwnerMayReplace() {
        HyperlinkLabel link("text");
        QVERIFY(link.target().isValid());
        link.setTarget(QUrl("https://example.org/amazons"));
        QCOMPARE(link.target(), QUrl("https://example.org/amazons"));
    }

    void okCloses() {
        AboutDialog dialog;
        dialog.show();
        click(dialog, "OK");
        QVERIFY(!dialog.isVisible());
    }

  private:
    OpenedAddresses addresses_;
};

}  // namespace taravin

QTEST_MAIN(taravin::AboutDialogTest)
#include "about_dialog_test.moc"
