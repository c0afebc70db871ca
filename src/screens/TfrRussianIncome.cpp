#include "screens/TfrRussianIncome.h"

#include <QHBoxLayout>
#include <algorithm>

#include "checks/IdentifierChecks.h"
#include "model/mTDeclaration.h"
#include "screens/TTfrThirteenPercentNR.h"
#include "screens/TfrNinePercent.h"
#include "screens/TfrThirteenPercent.h"
#include "screens/TfrThirtyFivePercent.h"
#include "screens/TfrThirtyPercent.h"
#include "screens/controls/TFlashButton.h"

namespace zizaza {

namespace {

template <typename Screen>
TThinkingFrame* Make(ScreenHost& host, QWidget* parent, DeclarationSlot& slot) {
    return new Screen(host, parent, slot);
}

}  // namespace

TfrRussianIncome::TfrRussianIncome(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TContainerFrame(owner, parent, slot) {
    setObjectName(QStringLiteral("frRussianIncome"));
    const DeclarationForm form = Doc().DeclarationForm;
    const bool nonResident = form == kForm3NdflNonResident;

    TFlashButton* first =
        AddSubScreen(QStringLiteral("FlashButton1"), nonResident ? QStringLiteral("30%") : QStringLiteral("13%"),
                     &Make<TfrThirteenPercent>);
    first->setToolTip(nonResident
                          ? QStringLiteral("Доходы нерезидента")
                          : QStringLiteral("Доходы, облагаемые по ставке 13% (КРОМЕ ДИВИДЕНДОВ), полученные от "
                                           "налоговых агентов или иных источников выплаты, в т.ч. от физических лиц"));
    // A non-resident's dividends are taxed at 15%: the second button shows them.
    TFlashButton* dividends =
        AddSubScreen(nonResident ? QStringLiteral("FlashButton2") : QStringLiteral("FlashButton7"),
                     nonResident ? QStringLiteral("15%") : QStringLiteral("Дивиденды"), &Make<TfrThirtyPercent>);
    dividends->setToolTip(nonResident ? QStringLiteral("Дивиденды нерезидента") : QStringLiteral("Дивиденды"));
    TFlashButton* thirtyFive =
        AddSubScreen(QStringLiteral("FlashButton3"), QStringLiteral("35%"), &Make<TfrThirtyFivePercent>);
    thirtyFive->setToolTip(QString::fromUtf8(kSectionIncome35.data(), kSectionIncome35.size()));
    thirtyFive->setVisible(!nonResident);
    TFlashButton* nonResident13 =
        AddSubScreen(QStringLiteral("FlashButton6"), QStringLiteral("13%"), &Make<TTfrThirteenPercentNR>);
    nonResident13->setToolTip(QString::fromUtf8(kSectionNonResident13.data(), kSectionNonResident13.size()));
    nonResident13->setVisible(nonResident);
    if (nonResident) {
        AddHiddenButton("FlashButton7", QStringLiteral("Дивиденды"));
    } else {
        TFlashButton* nine = AddSubScreen(QStringLiteral("FlashButton2"), QStringLiteral("9%"), &Make<TfrNinePercent>);
        nine->setToolTip(QStringLiteral("Доходы, облагаемые по ставке 9% (НЕ дивиденды)"));
    }
    AddHiddenButton("FlashButton4", QStringLiteral("Доходы, облагаемые по ставке 30%"));
    AddHiddenButton("FlashButton5", QStringLiteral("Доходы, облагаемые по ставке 15%"));
    SortButtons();

    if (form != kForm4Ndfl)
        ShowInitialSubScreen(kSub13);
}

void TfrRussianIncome::AddHiddenButton(const char* name, const QString& hint) {
    auto* button = new TFlashButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setVisible(false);
    ButtonRow()->insertWidget(0, button);
}

void TfrRussianIncome::SortButtons() {
    QList<TFlashButton*> buttons = findChildren<TFlashButton*>(QString(), Qt::FindDirectChildrenOnly);
    std::sort(buttons.begin(), buttons.end(),
              [](const TFlashButton* a, const TFlashButton* b) { return a->objectName() < b->objectName(); });
    for (int i = 0; i < buttons.size(); ++i) {
        ButtonRow()->removeWidget(buttons[i]);
        ButtonRow()->insertWidget(i, buttons[i]);
    }
    // Tab goes through the buttons in the order they stand in, not the order they were made in.
    for (int i = 0; i + 1 < buttons.size(); ++i)
        setTabOrder(buttons[i], buttons[i + 1]);
}

}  // namespace zizaza
