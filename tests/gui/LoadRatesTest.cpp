#include <QAction>
#include <QFile>

#include "GuiTest.h"
#include "dictionaries/CurrencyRates.h"

namespace zizaza::test {
namespace {

const char kRatesXml[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><CurrencyRates>"
    "<Currency Code=\"840\" Alpha=\"USD\" Name=\"Доллар США\" Covered=\"01.01.2017-31.01.2017\">"
    "<Rate Date=\"10.01.2017\" Rate=\"59.8961\" Quantity=\"1\"/></Currency></CurrencyRates>";

class LoadRatesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // The user's data folder of the test, so that no copy of the real user is read.
        qputenv("XDG_DATA_HOME", (files.path() + QStringLiteral("/data")).toUtf8());
        folder.Write(QStringLiteral("CurrencyRates.xml"), QByteArray(kRatesXml));
    }
    void TearDown() override {
        qunsetenv("XDG_DATA_HOME");
        MainWindowTest::TearDown();
    }
    void Load(const QString& name, const QByteArray& bytes) {
        QFile file(files.path() + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        ui.OpenFile(file.fileName());
        window->findChild<QAction*>(QStringLiteral("actLoadCbrRates"))->trigger();
    }
};

TEST_F(LoadRatesTest, SettingsMenuLoadsABankFileAndTellsWhatWasAdded) {
    Start();
    const QByteArray before = [&] {
        QFile f(folder.File(QStringLiteral("CurrencyRates.xml")));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    Load(QStringLiteral("bad.csv"), "nominal;data;curs;cdx\n1;01.03.2017;58,8x;Доллар США\n");
    ASSERT_EQ(ui.Texts(ScriptedUi::Kind::Error).size(), 1);
    EXPECT_TRUE(ui.Texts(ScriptedUi::Kind::Error).front().contains(QStringLiteral("неверный курс «58,8x»")));
    QFile dict(folder.File(QStringLiteral("CurrencyRates.xml")));
    ASSERT_TRUE(dict.open(QIODevice::ReadOnly));
    EXPECT_EQ(dict.readAll(), before);
    EXPECT_EQ(window->Rates()->FindRate("840", Date::Ymd(2017, 3, 2)), nullptr);

    Load(QStringLiteral("usd.csv"),
         "nominal;data;curs;cdx\n1;01.03.2017;58,8318;Доллар США\n1;02.03.2017;58,5870;"
         "Доллар США\n");
    ASSERT_EQ(ui.Texts(ScriptedUi::Kind::Inform).size(), 1);
    EXPECT_TRUE(ui.Texts(ScriptedUi::Kind::Inform)
                    .front()
                    .contains(QStringLiteral("840 Доллар США: с 01.03.2017 по 02.03.2017, новых курсов 2")));
    ASSERT_NE(window->Rates()->FindRate("840", Date::Ymd(2017, 3, 2)), nullptr);
    EXPECT_EQ(window->Rates()->FindRate("840", Date::Ymd(2017, 3, 2))->rate, "58.5870");
    EXPECT_EQ(CurrencyRates::Load(folder.File(QStringLiteral("CurrencyRates.xml")).toStdString())
                  .FindRate("840", Date::Ymd(2017, 3, 1))
                  ->rate,
              "58.8318");
}

}  // namespace
}  // namespace zizaza::test
