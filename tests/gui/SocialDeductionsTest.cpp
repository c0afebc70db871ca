#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "GuiTest.h"
#include "checks/NavigationCode.h"
#include "model/mTDeclaration.h"
#include "screens/TfrFrameDeductData.h"
#include "screens/TfrFramePensDeduct.h"
#include "screens/controls/TDtpPanel.h"

namespace zizaza::test {
namespace {

const QString kNothingEntered = QStringLiteral("Не введены данные по социальным налоговым вычетам");
const QString kAgentTooLarge = QStringLiteral("Предоставленный налоговым агентом вычет превышает заявленные затраты");
const QString kAdditional = QStringLiteral("Дополнительные страховые взносы на накопительную пенсию");

// What a contract dialog gets typed before "Да"; empty texts are left alone.
struct ContractEntry {
    int kind = 1;
    QString name = QStringLiteral("НПФ Доверие");
    QString inn = QStringLiteral("1234567894");
    QString kpp = QStringLiteral("123456789");
    QString number = QStringLiteral("Д-15");
    QString contribution = QStringLiteral("24000");
    QString agent;
};

class SocialDeductionsTest : public MainWindowTest {
protected:
    static mTDeclaration Declaration(bool granted = true) {
        mTDeclaration doc = ScreenDeclaration();
        doc.SocialDeductions.Granted = granted;
        return doc;
    }
    // Opens the declaration at its social deductions tab.
    TfrFramePensDeduct& Open(const mTDeclaration& doc) {
        OpenDeclaration(doc, QStringLiteral("social.tv7"));
        return Reopen();
    }
    TfrFramePensDeduct& Reopen() { return ShowScreen<TfrFramePensDeduct>(ScreenId::Deduction, "fbSocial"); }
    TfrFramePensDeduct& Screen() { return ShownScreen<TfrFramePensDeduct>(); }
    // Leaves the deductions, which saves and checks the tab.
    void Leave() { window->ScreenButton(ScreenId::InitialData)->click(); }
    bool Left() const { return window->CurrentScreen()->objectName() == QStringLiteral("frInitialData"); }
    template <typename T = TMaskedEdit>
    T* W(const char* name) {
        return Find<T>(window.get(), name);
    }
    void Type(const char* name, const QString& text) {
        W(name)->clear();
        TypeText(W(name), text);
    }
    const mTSocialDeduct& Record() { return window->Declaration().SocialDeductions; }
    QTreeWidget* Children() { return W<QTreeWidget>("lvSumList"); }
    QTreeWidget* Contracts() { return W<QTreeWidget>("lvPensInfo"); }
    static QStringList Rows(QTreeWidget* list) {
        QStringList rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0);
        return rows;
    }
    static int Selected(QTreeWidget* list) {
        const auto items = list->selectedItems();
        return items.isEmpty() ? -1 : list->indexOfTopLevelItem(items.front());
    }

    // The next amount dialog gets the text typed and Enter (or Escape); shown receives what it showed.
    void AnswerAmount(const QString& text, Qt::Key key = Qt::Key_Return, QString* shown = nullptr) {
        ui.Modal([text, key, shown](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Сумма за обучение"));
            auto* edit = Find<TMaskedEdit>(&dialog, "meSum");
            if (shown)
                *shown = edit->text();
            edit->clear();
            TypeText(edit, text);
            dialog.setResult(-1);
            PressKey(edit, key);
            return dialog.result();
        });
    }
    void AddAmount(const QString& text) {
        AnswerAmount(text);
        W<QPushButton>("fbAddSum")->click();
    }
    // The next contract dialog: the entry typed, then "Да" pressed as often as given (a check
    // dialog answered in between keeps it open); inspect sees it before it closes.
    void AnswerContract(ContractEntry entry, int presses = 1, std::function<void(QDialog&)> inspect = {}) {
        ui.Modal([entry, presses, inspect](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Вид и данные договора"));
            Find<QRadioButton>(&dialog, QStringLiteral("rbSelf%1").arg(entry.kind).toLatin1().constData())->click();
            const std::pair<const char*, QString> fields[] = {
                {"meSourseName", entry.name},    {"meINN", entry.inn}, {"meKPP", entry.kpp}, {"meNomDog", entry.number},
                {"meVZSum", entry.contribution}, {"meNA", entry.agent}};
            for (const auto& [name, text] : fields) {
                auto* edit = Find<TMaskedEdit>(&dialog, name);
                if (edit->isEnabled()) {
                    edit->clear();
                    TypeText(edit, text);
                }
            }
            dialog.setResult(-1);
            for (int i = 0; i < presses && dialog.result() != QDialog::Accepted; ++i)
                Find<QPushButton>(&dialog, "btYes")->click();
            if (inspect)
                inspect(dialog);
            if (dialog.result() != QDialog::Accepted)
                dialog.reject();
            return dialog.result();
        });
    }
};

TEST_F(SocialDeductionsTest, TabOpensFromTheDeductionsAndTheWholeDeclarationCheck) {
    Open(Declaration());
    EXPECT_TRUE(W<TFlashButton>("fbSocial")->isEnabled());
    EXPECT_TRUE(W<TFlashButton>("fbSocial")->Down());
    EXPECT_EQ(W<QCheckBox>("chbGrantingSocDeduct")->text(), QStringLiteral("Предоставить социальные налоговые вычеты"));
    EXPECT_TRUE(W<QCheckBox>("chbGrantingSocDeduct")->isChecked());
    EXPECT_TRUE(W<QWidget>("meStrahovka2")->isHidden());

    Type("meCharitySum", QStringLiteral("1000"));
    Leave();
    ASSERT_TRUE(Left());
    window->Navigate(MakeNavigationCode(10, TfrFramePensDeduct::kItemAgent));
    EXPECT_EQ(window->focusWidget(), W<QWidget>("meSumNewNA"));
    EXPECT_EQ(W("meCharitySum")->text(), QStringLiteral("1000"));
    window->Navigate(MakeNavigationCode(10, TfrFramePensDeduct::kItemChildren));
    EXPECT_EQ(window->focusWidget(), Children());
}

TEST_F(SocialDeductionsTest, GrantingWithNothingEnteredStopsTheUserUntilSomethingIsEntered) {
    Open(Declaration(false));
    for (const char* name : {"meCharitySum", "meKval", "meSumNewNA"})
        EXPECT_FALSE(W(name)->isEnabled()) << name;
    EXPECT_FALSE(Children()->isEnabled());
    EXPECT_FALSE(W<QPushButton>("fbAddPens")->isEnabled());
    Leave();
    ASSERT_TRUE(Left()) << "nothing is checked without the grant";

    Reopen();
    W<QCheckBox>("chbGrantingSocDeduct")->click();
    EXPECT_TRUE(W("meCharitySum")->isEnabled());
    EXPECT_TRUE(W<QPushButton>("fbAddSum")->isEnabled());
    EXPECT_FALSE(W<QPushButton>("fbEditSum")->isEnabled()) << "no amount is selected";
    ui.Click(QStringLiteral("Button1"));
    Leave();
    EXPECT_FALSE(Left());
    EXPECT_EQ(ui.checkMessages, QStringList{kNothingEntered});
    EXPECT_EQ(ui.checkCaptions, QStringList{QStringLiteral("Проверка: Социальные вычеты")});
    EXPECT_EQ(window->focusWidget(), W<QWidget>("meCharitySum"));
    EXPECT_TRUE(Record().Granted);

    // The additional contributions, never shown, count as an entry too, and are kept.
    mTDeclaration hidden = Declaration();
    hidden.SocialDeductions.AdditionalPensionContributions = Money::Roubles(5);
    Open(hidden);
    Leave();
    EXPECT_TRUE(Left());
    EXPECT_EQ(ui.checkMessages.size(), 1);
    EXPECT_EQ(Record().AdditionalPensionContributions, Money::Roubles(5));
}

TEST_F(SocialDeductionsTest, AgentAmountIsWeighedAgainstEducationTreatmentAndInsurance) {
    mTDeclaration doc = Declaration();
    doc.SocialDeductions.AddChildEducation(Money::Roubles(60000));
    doc.SocialDeductions.AddChildEducation(Money::Roubles(60000));
    Open(doc);
    EXPECT_EQ(Rows(Children()), (QStringList{QStringLiteral("60000"), QStringLiteral("60000")}));
    EXPECT_EQ(Selected(Children()), 0);
    Type("meSelfEducationSum", QStringLiteral("50000"));
    Type("meSumNewNA", QStringLiteral("120000"));
    Leave();
    ASSERT_TRUE(Left()) << "each child counts 50000: 150000 in all";
    EXPECT_EQ(Record().AgentSocialDeductions, Money::Roubles(120000));

    Reopen();
    W<QPushButton>("fbDeleteSum")->click();
    EXPECT_EQ(Rows(Children()), QStringList{QStringLiteral("60000")});
    ui.Click(QStringLiteral("Button1"));
    Leave();
    EXPECT_FALSE(Left());
    EXPECT_EQ(ui.checkMessages, QStringList{kAgentTooLarge});
    EXPECT_EQ(window->focusWidget(), W<QWidget>("meSumNewNA"));

    // Charity and the assessment of qualifications are no part of what the agent grants.
    Type("meSelfEducationSum", QString());
    Type("meCharitySum", QStringLiteral("500000"));
    Type("meKval", QStringLiteral("500000"));
    ui.Click(QStringLiteral("Button2"));
    Leave();
    EXPECT_TRUE(Left()) << "the problem was skipped";
    EXPECT_EQ(ui.checkMessages.size(), 2);
    EXPECT_EQ(ui.checkMessages.back(), kAgentTooLarge);
    EXPECT_EQ(Record().OwnEducation, Money()) << "an emptied field saves as 0";
}

TEST_F(SocialDeductionsTest, ChildrenAmountsAreAddedEditedAndDeleted) {
    Open(Declaration());
    AddAmount(QStringLiteral("0"));
    AddAmount(QString());
    EXPECT_EQ(Children()->topLevelItemCount(), 0) << "a zero amount adds nothing";
    EXPECT_EQ(Record().ChildEducationCount(), 0u);

    AddAmount(QStringLiteral("30000,5"));
    AddAmount(QStringLiteral("45000"));
    AddAmount(QStringLiteral("12000"));
    EXPECT_EQ(Rows(Children()),
              (QStringList{QStringLiteral("30000,5"), QStringLiteral("45000"), QStringLiteral("12000")}));
    EXPECT_EQ(Selected(Children()), 2);
    EXPECT_FALSE(window->Saved());

    // Escape changes nothing; Enter in the list edits the selected amount; zero keeps it.
    Children()->setCurrentItem(Children()->topLevelItem(1));
    QString shown;
    AnswerAmount(QStringLiteral("1"), Qt::Key_Escape, &shown);
    W<QPushButton>("fbEditSum")->click();
    EXPECT_EQ(shown, QStringLiteral("45000"));
    AnswerAmount(QStringLiteral("0"));
    PressKey(Children(), Qt::Key_Return);
    AnswerAmount(QStringLiteral("47000"));
    PressKey(Children(), Qt::Key_Return);
    EXPECT_EQ(Record().ChildEducation(1), Money::Roubles(47000));
    EXPECT_EQ(Record().ChildEducation(0), Money::Kopecks(3000050));

    W<QPushButton>("fbDeleteSum")->click();
    EXPECT_EQ(Selected(Children()), 0) << "the row before the deleted one";
    W<QPushButton>("fbDeleteSum")->click();
    EXPECT_EQ(Rows(Children()), QStringList{QStringLiteral("12000")});
    EXPECT_EQ(Selected(Children()), 0) << "the first row, when the first was deleted";
    Leave();
    ASSERT_TRUE(Left());
    EXPECT_EQ(Record().ChildEducationCount(), 1u);
    EXPECT_EQ(Record().ChildEducation(0), Money::Roubles(12000));
    EXPECT_TRUE(ui.NothingPending());
}

TEST_F(SocialDeductionsTest, ContractRowsShowOrganisationKindAndAmount) {
    mTDeclaration doc = Declaration();
    const std::tuple<int, const char*, int64_t> contracts[] = {
        {3, "СК Жизнь", 36000}, {1, "НПФ Доверие", 24000}, {4, "", 12000}};
    for (const auto& [kind, name, amount] : contracts) {
        mTPens& contract = doc.SocialDeductions.Contract(doc.SocialDeductions.AddContract());
        contract.ContractKind = kind;
        contract.OrganizationName = name;
        contract.Contribution = Money::Roubles(amount);
    }
    Open(doc);
    const QStringList rows[] = {{"СК Жизнь", "Добровольное страхование жизни", "36000"},
                                {"НПФ Доверие", "Негосударственное пенсионное обеспечение", "24000"},
                                {kAdditional, "Доп. взносы на накопительную пенсию", "12000"}};
    ASSERT_EQ(Contracts()->topLevelItemCount(), 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(Contracts()->topLevelItem(r)->text(c), rows[r][c]) << r << ", " << c;
    EXPECT_EQ(Contracts()->headerItem()->text(2), QStringLiteral("Сумма взноса"));
}

TEST_F(SocialDeductionsTest, ContractsOfAnOrganisationAndAdditionalContributions) {
    Open(Declaration());
    AnswerContract({});
    W<QPushButton>("fbAddPens")->click();
    ContractEntry additional;
    additional.kind = 4;
    additional.name.clear();
    additional.contribution = QStringLiteral("12000");
    additional.agent = QStringLiteral("2000");
    AnswerContract(additional, 1, [](QDialog& dialog) {
        for (const char* name : {"meSourseName", "meINN", "meKPP", "meNomDog"})
            EXPECT_FALSE(Find<QWidget>(&dialog, name)->isEnabled()) << name;
        EXPECT_FALSE(Find<TDtpPanel>(&dialog, "dtpDatDog")->isEnabled());
        auto* form = dialog.findChild<QFormLayout*>();
        auto* label = qobject_cast<QLabel*>(form->labelForField(Find<QWidget>(&dialog, "meNA")));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QStringLiteral("Сумма вычета у налогового агента (код 328)"));
        EXPECT_FALSE(form->labelForField(Find<QWidget>(&dialog, "meINN"))->isEnabled());
    });
    W<QPushButton>("fbAddPens")->click();
    EXPECT_EQ(Rows(Contracts()), (QStringList{QStringLiteral("НПФ Доверие"), kAdditional}));
    EXPECT_EQ(Selected(Contracts()), 1);
    ASSERT_EQ(Record().ContractCount(), 2u);
    const mTPens& fund = Record().Contract(0);
    EXPECT_EQ(fund.ContractKind, 1);
    EXPECT_EQ(fund.Inn, "1234567894");
    EXPECT_EQ(fund.Kpp, "123456789");
    EXPECT_EQ(fund.ContractNumber, "Д-15");
    EXPECT_EQ(fund.Contribution, Money::Roubles(24000));
    EXPECT_EQ(Record().Contract(1).ContractKind, 4);
    EXPECT_EQ(Record().Contract(1).AgentDeduction, Money::Roubles(2000));

    // Editing shows the contract; the kind chosen again gives back the organisation fields and code 327.
    Contracts()->setCurrentItem(Contracts()->topLevelItem(0));
    ui.Modal([](QDialog& dialog) {
        EXPECT_TRUE(Find<QRadioButton>(&dialog, "rbSelf1")->isChecked());
        EXPECT_EQ(Find<TMaskedEdit>(&dialog, "meSourseName")->text(), QStringLiteral("НПФ Доверие"));
        EXPECT_EQ(Find<TMaskedEdit>(&dialog, "meVZSum")->text(), QStringLiteral("24000"));
        Find<QRadioButton>(&dialog, "rbSelf3")->click();
        auto* form = dialog.findChild<QFormLayout*>();
        EXPECT_EQ(qobject_cast<QLabel*>(form->labelForField(Find<QWidget>(&dialog, "meNA")))->text(),
                  QStringLiteral("Сумма вычета у налогового агента (код 327)"));
        auto* name = Find<TMaskedEdit>(&dialog, "meSourseName");
        EXPECT_TRUE(name->isEnabled());
        name->setText(QStringLiteral("Страховая жизнь"));
        dialog.setResult(-1);
        PressKey(name, Qt::Key_Return);
        return dialog.result();
    });
    PressKey(Contracts(), Qt::Key_Return);
    EXPECT_EQ(Rows(Contracts()).front(), QStringLiteral("Страховая жизнь"));
    EXPECT_EQ(Record().Contract(0).ContractKind, 3);
    EXPECT_EQ(Record().Contract(0).ContractNumber, "Д-15") << "what was not changed stays";

    W<QPushButton>("fbDeletePens")->click();
    EXPECT_EQ(Rows(Contracts()), QStringList{kAdditional});
    EXPECT_EQ(Selected(Contracts()), -1) << "no contract is selected after a deletion";
    EXPECT_FALSE(W<QPushButton>("fbDeletePens")->isEnabled());
    EXPECT_FALSE(W<QPushButton>("fbEditPens")->isEnabled());

    // Saved and loaded again with the declaration.
    const QString file = files.path() + QStringLiteral("/again.tv7");
    window->Declaration().Save(file.toStdString());
    mTDeclaration loaded;
    loaded.Load(file.toStdString());
    ASSERT_EQ(loaded.SocialDeductions.ContractCount(), 1u);
    EXPECT_EQ(loaded.SocialDeductions.Contract(0).Contribution, Money::Roubles(12000));
    EXPECT_TRUE(ui.NothingPending());
}

TEST_F(SocialDeductionsTest, ContractDialogKeepsAFaultyContractOpen) {
    Open(Declaration());
    // Without a name: the organisation check; with the check dialog closed the dialog stays open.
    ContractEntry noName;
    noName.name = QStringLiteral("   ");
    AnswerContract(noName, 1, [](QDialog& dialog) {
        EXPECT_EQ(dialog.result(), -1) << "closing the check is no acceptance";
        EXPECT_EQ(dialog.focusWidget(), Find<QWidget>(&dialog, "meSourseName"));
    });
    ui.CloseBox();
    W<QPushButton>("fbAddPens")->click();
    ASSERT_FALSE(ui.checkMessages.isEmpty());
    EXPECT_EQ(ui.checkMessages.front(), QStringLiteral("Не заполненно поле \"Наименование источника выплаты\""));
    EXPECT_EQ(ui.checkCaptions.front(), QStringLiteral("Проверка: Пенсионные договоры"));
    EXPECT_EQ(Record().ContractCount(), 0u);

    // A wrong INN, then no number, then contributions below the agent's deduction; each fixed in turn.
    ui.checkMessages.clear();
    ContractEntry faulty;
    faulty.inn = QStringLiteral("1234567890");
    faulty.number = QStringLiteral(" ");
    faulty.contribution = QStringLiteral("100");
    faulty.agent = QStringLiteral("100,01");
    ui.Modal([faulty, this](QDialog& dialog) {
        auto* inn = Find<TMaskedEdit>(&dialog, "meINN");
        auto set = [&dialog](const char* name, const QString& text) {
            Find<TMaskedEdit>(&dialog, name)->setText(text);
        };
        set("meSourseName", faulty.name);
        set("meINN", faulty.inn);
        set("meKPP", faulty.kpp);
        set("meNomDog", faulty.number);
        set("meVZSum", faulty.contribution);
        set("meNA", faulty.agent);
        auto* yes = Find<QPushButton>(&dialog, "btYes");
        dialog.setResult(-1);
        yes->click();
        EXPECT_EQ(dialog.focusWidget(), inn);
        set("meINN", QStringLiteral("1234567894"));
        yes->click();
        EXPECT_EQ(dialog.focusWidget(), Find<QWidget>(&dialog, "meNomDog"));
        set("meNomDog", QStringLiteral("7"));
        yes->click();
        EXPECT_EQ(dialog.focusWidget(), Find<QWidget>(&dialog, "meVZSum"));
        set("meNA", QStringLiteral("100"));
        yes->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(ui.checkMessages.size(), 3);
        return dialog.result();
    });
    for (int i = 0; i < 3; ++i)
        ui.Click(QStringLiteral("Button1"));
    W<QPushButton>("fbAddPens")->click();
    EXPECT_EQ(ui.checkMessages,
              (QStringList{QStringLiteral("Номер ИНН введен неверно"), QStringLiteral("Введите номер договора"),
                           QStringLiteral("Сумма взносов меньше суммы предоставленного вычета")}));
    ASSERT_EQ(Record().ContractCount(), 1u);
    EXPECT_EQ(Record().Contract(0).AgentDeduction, Money::Roubles(100));
    EXPECT_TRUE(ui.NothingPending());
}

TEST_F(SocialDeductionsTest, ClearingTheGrantRemovesAmountsAndContracts) {
    mTDeclaration doc = Declaration();
    doc.SocialDeductions.Medical = Money::Roubles(9000);
    doc.SocialDeductions.AddChildEducation(Money::Roubles(20000));
    for (int kind : {1, 4}) {
        mTPens& contract = doc.SocialDeductions.Contract(doc.SocialDeductions.AddContract());
        contract.ContractKind = kind;
        contract.OrganizationName = "Фонд";
    }
    Open(doc);
    EXPECT_EQ(W("meMedicalSum")->text(), QStringLiteral("9000"));
    EXPECT_EQ(Rows(Contracts()), (QStringList{QStringLiteral("Фонд"), kAdditional}));
    EXPECT_TRUE(window->Saved()) << "opening the tab changes nothing";

    W<QCheckBox>("chbGrantingSocDeduct")->click();
    EXPECT_FALSE(window->Saved());
    EXPECT_TRUE(W("meMedicalSum")->text().isEmpty());
    EXPECT_FALSE(W("meMedicalSum")->isEnabled());
    EXPECT_EQ(Record().ContractCount(), 0u);
    EXPECT_EQ(Record().ChildEducationCount(), 0u);
    EXPECT_FALSE(Contracts()->isEnabled());
    EXPECT_FALSE(W<QPushButton>("fbEditPens")->isEnabled());

    W<QCheckBox>("chbGrantingSocDeduct")->click();
    EXPECT_EQ(Contracts()->topLevelItemCount(), 0);
    EXPECT_EQ(Children()->topLevelItemCount(), 0);
    EXPECT_TRUE(Contracts()->isEnabled());
    W<QCheckBox>("chbGrantingSocDeduct")->click();
    Leave();
    ASSERT_TRUE(Left());
    EXPECT_FALSE(Record().Granted);
    EXPECT_EQ(Record().Medical, Money());
}

}  // namespace
}  // namespace zizaza::test
