#include <QAction>
#include <QGroupBox>
#include <QMenuBar>
#include <QTest>
#include <QTranslator>

#include "FrameTestKit.h"
#include "app/Application.h"
#include "app/Translations.h"
#include "frame/CMyChildFrame.h"
#include "frame/CommandIds.h"
#include "model/DataFile.h"
#include "model/UserText.h"

using namespace ht57;
using namespace ht57::test;

namespace {

const std::filesystem::path kBuiltTranslations =
    std::filesystem::path(HT57_BIN_DIR) / "translations";

QStringList MenuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* menu : bar->actions()) {
        titles << menu->text();
    }
    return titles;
}

QMenu* MenuNamed(QWidget* parent, const QString& objectName) {
    return parent->findChild<QMenu*>(objectName);
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    // Each test installs the translators it needs.
    void cleanup() {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    void languageComesFromTheSettingThenTheDesktop_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("setting wins") << "zh_CN" << QStringList{"en-US"} << "zh_CN";
        QTest::newRow("setting en") << "en" << QStringList{"zh-CN"} << "en";
        QTest::newRow("dash form") << " zh-CN " << QStringList{} << "zh_CN";
        QTest::newRow("empty follows desktop") << "" << QStringList{"zh-Hans-CN", "en"} << "zh_CN";
        QTest::newRow("system follows desktop")
            << "system" << QStringList{"de-DE", "en-GB"} << "en";
        QTest::newRow("unknown setting") << "fr" << QStringList{"zh"} << "zh_CN";
        QTest::newRow("traditional script") << "" << QStringList{"zh-Hant-TW", "zh-HK"} << "en";
        QTest::newRow("nothing fits") << "" << QStringList{"de-DE"} << "en";
    }
    void languageComesFromTheSettingThenTheDesktop() {
        QFETCH(QString, setting);
        QFETCH(QStringList, system);
        QFETCH(QString, chosen);
        QCOMPARE(ChooseLanguage(setting, system), chosen);
    }

    void missingTranslationKeepsTheSourceTexts() {
        ProgramFolder empty;
        QVERIFY(!InstallTranslations(*QCoreApplication::instance(), empty.Path(), "zh_CN"));
        QCOMPARE(QCoreApplication::translate("ht57::CMainFrame", "&File"), QString("&File"));
    }

    void chineseReachesMenusAndViews() {
        QVERIFY(InstallTranslations(*QCoreApplication::instance(), kBuiltTranslations, "zh_CN"));
        ProgramFolder folder;
        folder.WriteDefaultDat(FactoryDataFile());
        Application app(folder.Path());
        QVERIFY(app.InitInstance());
        std::unique_ptr<CMainFrame> frame = CreateMainWindow(app);
        const QStringList titles = MenuTitles(frame->menuBar());
        QCOMPARE(titles.first(), QString::fromUtf8("文件(&F)"));
        QVERIFY(titles.contains(QString::fromUtf8("设置(&S)")));
        QCOMPARE(frame->Action(command::kRead)->text(), QString::fromUtf8("读频(&R)"));

        frame->OpenView(ViewKind::OptionFeatures);
        CMyChildFrame* child = frame->ViewSlot(ViewKind::OptionFeatures);
        QVERIFY(child != nullptr);
        QCOMPARE(child->windowTitle(), QString::fromUtf8("功能设置"));
        QStringList groups;
        for (const QGroupBox* group : child->findChildren<QGroupBox*>()) {
            groups << group->title();
        }
        QVERIFY2(groups.contains(QString::fromUtf8("频率范围")), qPrintable(groups.join('|')));
    }

    void englishKeepsTheSourceTexts() {
        QVERIFY(InstallTranslations(*QCoreApplication::instance(), kBuiltTranslations, "en"));
        QCOMPARE(QCoreApplication::translate("ht57::CMainFrame", "&File"), QString("&File"));
        // The one Chinese source text reaches an English reader in English.
        TranslateModelTexts();
        QCOMPARE(QString::fromStdString(Fill(kWrongFormatText)),
                 QString("The file format is wrong!"));
        SetTextTranslator({});
    }

    void languageMenuWritesTheSetting() {
        ProgramFolder folder;
        folder.WriteDefaultDat(FactoryDataFile());
        folder.WriteIni("[Setup]\r\nModel=HT-57\r\nLanguage=zh_CN\r\n");
        Application app(folder.Path());
        QVERIFY(app.InitInstance());
        std::unique_ptr<CMainFrame> frame = CreateMainWindow(app);
        QMenu* menu = MenuNamed(frame.get(), "languageMenu");
        QVERIFY(menu != nullptr);
        const QList<QAction*> choices = menu->actions();
        QCOMPARE(choices.size(), 3);
        QVERIFY(choices[2]->isChecked());

        SeenMessage seen;
        ModalAnswerer answerer;
        answerer.Then(Press(QMessageBox::Ok, &seen));
        choices[1]->trigger();
        QCOMPARE(answerer.Answered(), 1);
        QCOMPARE(folder.Ini(), std::string("[Setup]\r\nModel=HT-57\r\nLanguage=en\r\n"));
        QVERIFY(seen.text.contains("next time"));
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
