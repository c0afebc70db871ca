// "Заявление на возврат налога...": the menu item follows section 1, the bank details dialog
// refuses a wrong account and remembers the right one, and the applications reach the preview.
// "Уточненная декларация...": the last export is proposed, the number follows it, the changes show.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>

#include "GuiTest.h"
#include "app/TfmRefundBank.h"
#include "app/TfmTaxReport.h"
#include "model/mTDeclaration.h"

#include <QTextBrowser>

namespace zizaza::test {
namespace {

using Kind = ScriptedUi::Kind;

class PreviewOnly : public IPrintModule {
public:
    explicit PreviewOnly(std::vector<std::string>& texts) : m_texts(texts) {}
    void SetPrintTiffParam(const std::string&, const std::string&) override {}
    void PrintTiffFolder(const std::string&) override {}
    void PreviewData(const std::string& xmlText, QWidget*) override { m_texts.push_back(xmlText); }
    void PrintData(const std::string&, const std::string&, const std::string&, int) override {}
    bool PrintOn(const std::string&, QPrinter&, QWidget*) override { return false; }

private:
    std::vector<std::string>& m_texts;
};

class RefundApplicationTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        printModule = [this] { return std::make_unique<PreviewOnly>(previews); };
    }
    // A salaried buyer of a flat: the tax withheld comes back.
    QString RefundDeclaration() {
        const QString path = files.path() + QStringLiteral("/refund.tv7");
        QFile::copy(QStringLiteral(ZIZAZA_TEST_DATA_DIR "/declarations/salaried_flat_mortgage.tv7"), path);
        return path;
    }
    bool RefundEnabled() {
        QMenu* menu = Find<QMenu>(window.get(), "mnDeclaration");
        emit menu->aboutToShow();
        return Find<QAction>(window.get(), "actRefundApplication")->isEnabled();
    }
    std::vector<std::string> previews;
};

TEST_F(RefundApplicationTest, WrongKeyKeepsTheDialogAtTheAccountAndTheRightDetailsAreRemembered) {
    Start({CleanDeclaration(QStringLiteral("nothing.tv7"))});
    EXPECT_FALSE(RefundEnabled()) << "no income, nothing to refund";
    Start({RefundDeclaration()});
    ASSERT_TRUE(RefundEnabled());

    const QString directory = files.path() + QStringLiteral("/ed807.xml");
    QFile ed807(directory);
    ASSERT_TRUE(ed807.open(QIODevice::WriteOnly));
    ed807.write(QStringLiteral("<ED807 xmlns=\"urn:cbr-ru:ed:v2.0\"><BICDirectoryEntry BIC=\"049805746\">"
                               "<ParticipantInfo NameP=\"ПАО Банк\"/><Accounts Account=\"30101810800000000746\" "
                               "RegulationAccountType=\"CRSA\"/></BICDirectoryEntry></ED807>")
                    .toUtf8());
    ed807.close();
    QString focusedAfterWrongKey;
    ui.Modal([&](QDialog& dialog) {
        auto& bank = static_cast<TfmRefundBank&>(dialog);
        bank.Field(BankField::Bic)->setText(QStringLiteral("049805746"));
        EXPECT_TRUE(bank.LoadDirectory(directory));  // the directory names the bank
        EXPECT_EQ(bank.Field(BankField::CorrespondentAccount)->text(), QStringLiteral("30101810800000000746"));
        bank.Field(BankField::Account)->setText(QStringLiteral("40817810400000012345"));
        bank.DateField()->setText(QStringLiteral("02.04.2018"));
        dialog.show();
        bank.accept();
        EXPECT_FALSE(dialog.result() == QDialog::Accepted);
        focusedAfterWrongKey = bank.focusWidget() ? bank.focusWidget()->objectName() : QString();
        bank.Field(BankField::Account)->setText(QStringLiteral("40817810700000012345"));
        bank.accept();
        return dialog.result();
    });
    Find<QAction>(window.get(), "actRefundApplication")->trigger();
    ASSERT_EQ(ui.Texts(Kind::Error).size(), 1);
    EXPECT_NE(ui.Texts(Kind::Error)[0].indexOf(QStringLiteral("проверьте номер счета")), -1);
    EXPECT_EQ(focusedAfterWrongKey, QStringLiteral("edAccount"));
    ASSERT_EQ(previews.size(), 1u);
    for (const char* part : {"КНД=\"1150058\"", "НомСч=\"40817810700000012345\"", "НаимБанк=\"ПАО БАНК\"",
                             "КорСч=\"30101810800000000746\"", "ДатаДок=\"02.04.2018\"", "Период=\"ГД.00.2017\""})
        EXPECT_NE(previews[0].find(part), std::string::npos) << part;

    // The next time the dialog opens with the details accepted last.
    ui.Modal([](QDialog& dialog) {
        auto& bank = static_cast<TfmRefundBank&>(dialog);
        EXPECT_EQ(bank.Field(BankField::Account)->text(), QStringLiteral("40817810700000012345"));
        EXPECT_EQ(bank.Field(BankField::Bic)->text(), QStringLiteral("049805746"));
        return static_cast<int>(QDialog::Rejected);
    });
    Find<QAction>(window.get(), "actRefundApplication")->trigger();
    EXPECT_EQ(previews.size(), 1u) << "cancelled";
    EXPECT_TRUE(window->Saved()) << "the bank details never go into the declaration";
}

TEST_F(RefundApplicationTest, CorrectionTakesTheLastExportAndShowsWhatChanged) {
    Start({RefundDeclaration()});
    ui.Folder(files.path());
    Find<QAction>(window.get(), "actExport")->trigger();
    ASSERT_EQ(ui.Texts(Kind::Inform).size(), 1);
    ASSERT_TRUE(ui.Texts(Kind::Inform)[0].startsWith(QStringLiteral("Сформирован файл")));
    window->Declaration().Person.Name.Patronymic = "ИВАНОВНА";
    // Treatment paid: 13% of it more comes back.
    window->Declaration().SocialDeductions.Granted = true;
    window->Declaration().SocialDeductions.Medical = Money::Roubles(10000);

    // The last export is the filed one; no new refund application now.
    ui.Answers({UserInterface::Answer::Yes, UserInterface::Answer::No});
    Find<QAction>(window.get(), "actCorrection")->trigger();
    EXPECT_TRUE(ui.Texts(Kind::Error).isEmpty()) << ui.Texts(Kind::Error).join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(window->Declaration().CorrectionNumber, 1);
    EXPECT_FALSE(window->Saved());
    auto* changes = Find<TfmTaxReport>(window.get(), "TfmDeclarationChanges");
    ASSERT_NE(changes, nullptr);
    const QString text = changes->Browser()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("0 -> 1"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("ИВАНОВНА"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("к возврату больше на 1 300 руб."))) << text.toStdString();
    const auto asked = ui.Texts(Kind::Ask);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[1].contains(QStringLiteral("новое заявление на возврат"))) << asked[1].toStdString();
    EXPECT_TRUE(ui.NothingPending());
}

}  // namespace
}  // namespace zizaza::test
