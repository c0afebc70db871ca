#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/mTDeclaration.h"
#include "screens/ScreenFormat.h"

#include "GuiTest.h"
#include "screens/FieldBindings.h"
#include "screens/TEntryDialog.h"
#include "screens/TListScreenHelper.h"
#include "screens/controls/TFlashButton.h"

namespace zizaza::test {
namespace {

// A screen host without a main window.
class FakeHost : public ScreenHost {
public:
    explicit FakeHost(ScriptedUi& ui) : m_ui(ui) {}
    UserInterface& Ui() override { return m_ui; }
    void DocumentChanged() override {
        if (loading == 0)
            ++changes;
    }
    void BeginLoading() override { ++loading; }
    void EndLoading() override { --loading; }
    bool IsLoading() const override { return loading > 0; }
    void SetScreenButtonEnabled(ScreenId, bool) override {}
    bool IsScreenButtonEnabled(ScreenId) const override { return true; }
    TfmInputInspectionNumber* InspectionsPicker() override { return nullptr; }
    QString ProgramFolder() const override { return {}; }
    void ShowHelpTopic(const QString&) override {}
    QWidget* DialogParent() override { return nullptr; }

    int changes = 0;
    int loading = 0;

private:
    ScriptedUi& m_ui;
};

class ListHelperTest : public WithApp, public ::testing::Test {
protected:
    void SetUp() override {
        App();
        TListScreenHelper::SetupView(&view, {QStringLiteral("Месяц"), QStringLiteral("Сумма")});
        ListOperations ops;
        ops.count = [this] { return static_cast<int>(records.size()); };
        ops.rowTexts = [this](int i) {
            return QStringList{CodeToList(records[i] % 100), MoneyToList(Money::Roubles(records[i] / 100))};
        };
        ops.add = [this] {
            if (nextAdd == 0)
                return false;
            records.push_back(nextAdd);
            return true;
        };
        ops.edit = [this](int i) {
            records[i] += 100;
            return true;
        };
        ops.remove = [this](int i) { records.erase(records.begin() + i); };
        ops.repeat = [this](int i) { records.push_back(std::min(records[i] + 1, records[i] / 100 * 100 + 12)); };
        ops.selected = [this](int i) { selections.push_back(i); };
        ops.refreshTotals = [this] { ++totals; };
        helper = std::make_unique<TListScreenHelper>(host, &view, ops);
        helper->ConnectButtons(&add, &edit, &remove, &repeat);
        helper->SetDependents({&dependent});
    }
    QStringList Row(int i) const { return {view.topLevelItem(i)->text(0), view.topLevelItem(i)->text(1)}; }

    ScriptedUi ui;
    FakeHost host{ui};
    QTreeWidget view;
    QPushButton add, edit, remove, repeat;
    QWidget dependent;
    std::vector<int> records;  // roubles * 100 + month
    int nextAdd = 0;
    std::vector<int> selections;
    int totals = 0;
    std::unique_ptr<TListScreenHelper> helper;
};

TEST_F(ListHelperTest, RebuildShowsTheRecordsWithoutMarkingTheDocument) {
    records = {0, 1203};
    helper->Rebuild(0);
    EXPECT_EQ(view.topLevelItemCount(), 2);
    EXPECT_EQ(Row(0), (QStringList{QStringLiteral("Нет"), QStringLiteral("-")}));
    EXPECT_EQ(Row(1), (QStringList{QStringLiteral("3"), QStringLiteral("12")}));
    EXPECT_EQ(helper->Selected(), 0);
    EXPECT_EQ(host.changes, 0);
    EXPECT_TRUE(dependent.isEnabled());
}

TEST_F(ListHelperTest, AddAppendsAndSelectsAndCancelChangesNothing) {
    helper->Rebuild();
    EXPECT_FALSE(edit.isEnabled());
    add.click();
    EXPECT_EQ(view.topLevelItemCount(), 0) << "a cancelled dialog adds nothing";
    EXPECT_EQ(host.changes, 0);
    nextAdd = 201;
    add.click();
    add.click();
    EXPECT_EQ(view.topLevelItemCount(), 2);
    EXPECT_EQ(helper->Selected(), 1);
    EXPECT_EQ(host.changes, 2);
    EXPECT_EQ(totals, 2);
    EXPECT_TRUE(edit.isEnabled());
}

TEST_F(ListHelperTest, EditRewritesTheRowInPlace) {
    records = {101, 202};
    helper->Rebuild(1);
    edit.click();
    EXPECT_EQ(Row(1), (QStringList{QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_EQ(helper->Selected(), 1);
    EXPECT_EQ(host.changes, 1);
}

TEST_F(ListHelperTest, DeleteSelectsTheRowBeforeOrTheFirst) {
    records = {101, 202, 303};
    helper->Rebuild(2);
    remove.click();
    EXPECT_EQ(helper->Selected(), 1);
    helper->Select(0);
    remove.click();
    EXPECT_EQ(helper->Selected(), 0) << "after deleting the first row the new first is selected";
    EXPECT_EQ(records, std::vector<int>{202});
    EXPECT_EQ(host.changes, 2);
}

TEST_F(ListHelperTest, DeletingTheOnlyRecordDisablesWhatNeedsASelection) {
    records = {101};
    helper->Rebuild(0);
    remove.click();
    EXPECT_EQ(view.topLevelItemCount(), 0);
    EXPECT_EQ(helper->Selected(), -1);
    EXPECT_FALSE(dependent.isEnabled());
    EXPECT_FALSE(edit.isEnabled());
    EXPECT_FALSE(remove.isEnabled());
    EXPECT_EQ(selections.back(), -1) << "the screen clears the dependent controls";
    remove.click();
    EXPECT_EQ(host.changes, 1) << "without a selection the buttons do nothing";
}

TEST_F(ListHelperTest, RepeatAppendsACopyOfTheNextMonth) {
    records = {105, 712};
    helper->Rebuild(0);
    repeat.click();
    helper->Select(1);
    repeat.click();
    EXPECT_EQ(records, (std::vector<int>{105, 712, 106, 712}));
    EXPECT_EQ(helper->Selected(), 3);
}

TEST_F(ListHelperTest, FocusRecordSelectsByOneBasedNumber) {
    records = {101, 202};
    helper->Rebuild();
    helper->FocusRecord(3);
    EXPECT_EQ(helper->Selected(), -1);
    helper->FocusRecord(2);
    EXPECT_EQ(helper->Selected(), 1);
    PressKey(&view, Qt::Key_Return);
    EXPECT_EQ(records[1], 302) << "Enter in the list edits";
}

class NameDialog : public TEntryDialog {
public:
    explicit NameDialog(ScreenHost& host) : TEntryDialog(host, QStringLiteral("Имя")) {
        name = new TMaskedEdit(this);
        name->SetupText(10);
        Content()->addWidget(name);
    }
    TMaskedEdit* name;
    int focused = 0;

protected:
    int CheckEntries() override { return name->text().trimmed().isEmpty() ? 1 : 0; }
    void FocusEntry(int item) override { focused = item; }
};

TEST(EntryDialogTest, EnterAcceptsOnlyAfterItsOwnChecksAndEscapeCancels) {
    App();
    ScriptedUi ui;
    FakeHost host(ui);
    NameDialog dialog(host);
    dialog.setResult(-1);
    PressKey(dialog.name, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), -1) << "the dialog stays open";
    EXPECT_EQ(dialog.focused, 1);
    dialog.name->setText(QStringLiteral("Анна"));
    PressKey(dialog.name, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.setResult(-1);
    PressKey(dialog.name, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ui.Click(QStringLiteral("btYes"));
    EXPECT_TRUE(dialog.Run());
    ui.Click(QStringLiteral("btNo"));
    EXPECT_FALSE(dialog.Run());
}

TEST(ContainerTest, SubScreenButtonsFollowTheSwitchProtocol) {
    App();
    ScriptedUi ui;
    FakeHost host(ui);
    DeclarationSlot slot;
    TestContainer container(host, nullptr, slot);
    auto* first = static_cast<TestScreen*>(container.CurrentSubScreen());
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(container.SubScreenButton(0)->Down());
    ui.Click(QStringLiteral("Button1"));
    container.SubScreenButton(1)->click();
    EXPECT_EQ(container.CurrentSubScreen(), first);
    EXPECT_TRUE(container.SubScreenButton(0)->Down());
    EXPECT_FALSE(container.SubScreenButton(1)->Down());
    EXPECT_EQ(first->focusedItems, std::vector<uint16_t>{7});
    first->edit->setText(QStringLiteral("готово"));
    container.SubScreenButton(1)->click();
    EXPECT_EQ(container.CurrentSubIndex(), 1);
    EXPECT_EQ(static_cast<TestScreen*>(container.CurrentSubScreen())->firstListFocused, 1);
    container.FocusItem(4);
    EXPECT_EQ(static_cast<TestScreen*>(container.CurrentSubScreen())->focusedItems, std::vector<uint16_t>{4});
    EXPECT_EQ(container.ShowSubScreen(3), nullptr);
}

TEST(FieldBindingsTest, FillAndSaveFromOneTable) {
    App();
    struct Doc {
        Money amount = Money::Kopecks(150);
        Money optional;
        int64_t count = 7;
        std::string name = "Иван";
        std::string representative = "Петров";
        bool flag = true;
    } doc;
    TMaskedEdit amount, optional, count, name, representative;
    amount.SetupMoney();
    optional.SetupMoney();
    count.SetupDigits(4);
    name.SetupText(20);
    representative.SetupText(20);
    QCheckBox flag;
    RecordBindings<Doc> fields;
    fields.Money(&amount, &Doc::amount);
    fields.MoneyOrEmpty(&optional, &Doc::optional);
    fields.Integer(&count, &Doc::count);
    fields.Text(&name, &Doc::name);
    fields.TextWhenEnabled(&representative, &Doc::representative);
    fields.Check(&flag, &Doc::flag);
    fields.Load(doc);
    EXPECT_EQ(amount.text(), QStringLiteral("1,5"));
    EXPECT_EQ(optional.text(), QString());
    EXPECT_EQ(count.text(), QStringLiteral("7"));
    EXPECT_EQ(name.text(), QStringLiteral("Иван"));
    EXPECT_TRUE(flag.isChecked());
    amount.clear();
    count.clear();
    optional.setText(QStringLiteral("12,34"));
    representative.setEnabled(false);
    fields.Save(doc);
    EXPECT_EQ(doc.amount, Money());
    EXPECT_EQ(doc.optional, Money::Kopecks(1234));
    EXPECT_EQ(doc.count, 0);
    EXPECT_EQ(doc.representative, "") << "a disabled field clears its item";
}

TEST(FieldBindingsTest, AStoredTextTheFieldRefusesIsKeptUntilTheUserTypes) {
    App();
    struct Texts {
        std::string oktmo = "45 000 000";  // spaces: refused by a digits-only field
        std::string name = "Иван";
    } texts;
    TMaskedEdit field, other;
    field.SetupDigits(11);
    other.SetupText(20);
    RecordBindings<Texts> fields;
    fields.Text(&field, &Texts::oktmo);
    fields.TextWhenEnabled(&other, &Texts::name);
    fields.Load(texts);
    EXPECT_EQ(field.text(), QString());
    fields.Save(texts);
    EXPECT_EQ(texts.oktmo, "45 000 000") << "saving an untouched field keeps the stored text";

    fields.Load(texts);
    TypeText(&field, QStringLiteral("45000000"));
    fields.Save(texts);
    EXPECT_EQ(texts.oktmo, "45000000");

    // A field that shows its text saves what it shows, also when the user empties it.
    fields.Load(texts);
    field.clear();
    other.clear();
    fields.Save(texts);
    EXPECT_EQ(texts.oktmo, "");
    EXPECT_EQ(texts.name, "");
}

TEST(FieldBindingsTest, AStoredAmountTheFieldRefusesIsKeptUntilTheUserTypes) {
    App();
    // Four decimals and a thirteen-digit amount: more than a 12 + 2 money field takes.
    struct Amounts {
        Money precise = *Money::Parse("1234,5678", ',');
        Money large = *Money::Parse("1234567890123", ',');
    } amounts;
    TMaskedEdit first, second;
    first.SetupMoney();
    second.SetupMoney();
    RecordBindings<Amounts> fields;
    fields.Money(&first, &Amounts::precise);
    fields.MoneyOrEmpty(&second, &Amounts::large);
    fields.Load(amounts);
    fields.Save(amounts);
    EXPECT_EQ(amounts.precise, *Money::Parse("1234,5678", ','));
    EXPECT_EQ(amounts.large, *Money::Parse("1234567890123", ','));

    fields.Load(amounts);
    TypeText(&first, QStringLiteral("10"));
    fields.Save(amounts);
    EXPECT_EQ(amounts.precise, Money::Kopecks(1000));
    EXPECT_EQ(amounts.large, *Money::Parse("1234567890123", ','));
}

TEST(FieldBindingsTest, ARecordCopyIsBoundByMemberPointersAndAccessors) {
    App();
    struct Base {
        std::string name;
    };
    struct Record : Base {
        Money withheld;
        uint16_t month = 0;
        int32_t kind = 0;
        std::string activity;
        std::array<int32_t, 2> children{};
    };
    TMaskedEdit name, withheld, month;
    name.SetupText(20);
    withheld.SetupDigits(12);
    month.SetupDigits(2);
    QComboBox kinds;
    kinds.addItems({QStringLiteral("первый"), QStringLiteral("второй")});
    QButtonGroup activities;
    QRadioButton first, second;
    activities.addButton(&first, 1);
    activities.addButton(&second, 2);
    TMaskedEdit children;
    children.SetupDigits(2);
    QStringList order;
    RecordBindings<Record> fields;
    fields.Text(&name, &Record::name);
    fields.WholeRoubles(&withheld, &Record::withheld);
    fields.IntegerOrEmpty(&month, &Record::month);
    fields.Then([&] { order << month.text(); });
    fields.ComboIndex(&kinds, &Record::kind, 1);
    fields.RadioGroup(&activities, &Record::activity, 1);
    fields.Integer(
        &children, [](auto& r) -> auto& { return r.children[1]; });

    Record stored;
    stored.name = "Иван";
    stored.withheld = Money::Kopecks(150050);
    stored.kind = 9;  // no item stands for it
    stored.activity = "2";
    stored.children[1] = 3;
    fields.Load(stored);
    EXPECT_EQ(name.text(), QStringLiteral("Иван"));
    EXPECT_EQ(withheld.text(), QStringLiteral("1500")) << "whole roubles, kopecks not shown";
    EXPECT_EQ(order, QStringList{QString()}) << "a month of 0 shows empty, before the rule after it runs";
    EXPECT_EQ(kinds.currentIndex(), -1);
    EXPECT_TRUE(second.isChecked());
    EXPECT_EQ(children.text(), QStringLiteral("3"));

    stored.activity = "нет";
    fields.Load(stored);
    EXPECT_TRUE(first.isChecked()) << "a kind no button has checks the fallback";

    TypeText(&month, QStringLiteral("7"));
    kinds.setCurrentIndex(1);
    children.setText(QStringLiteral("2"));
    Record saved;
    fields.Save(saved);
    EXPECT_EQ(saved.name, "Иван");
    EXPECT_EQ(saved.withheld, Money::Roubles(1500));
    EXPECT_EQ(saved.month, 7);
    EXPECT_EQ(saved.kind, 2);
    EXPECT_EQ(saved.activity, "1");
    EXPECT_EQ(saved.children, (std::array<int32_t, 2>{0, 2}));
}

}  // namespace
}  // namespace zizaza::test
