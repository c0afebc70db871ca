#include "screens/TfrFrameDeductData.h"

#include <QHBoxLayout>

#include "screens/TfrCB.h"
#include "screens/TfrFramePensDeduct.h"
#include "screens/TfrFrameStandartDeduct.h"
#include "screens/TfrMultyConstructionDeduct.h"
#include "screens/controls/TFlashButton.h"

namespace zizaza {

namespace {

template <typename Screen>
TThinkingFrame* Make(ScreenHost& host, QWidget* parent, DeclarationSlot& slot) {
    return new Screen(host, parent, slot);
}

struct TabInfo {
    const char* name;
    QString caption;
    QString hint;
    TThinkingFrame* (*make)(ScreenHost&, QWidget*, DeclarationSlot&);
};

// Left to right; the tabs without a screen have no factory.
const std::array<TabInfo, TfrFrameDeductData::kTabCount>& Tabs() {
    static const std::array<TabInfo, TfrFrameDeductData::kTabCount> tabs = {{
        {"fbStandart", QStringLiteral("Стандартные"), QStringLiteral("Стандартные налоговые вычеты"),
         &Make<TfrFrameStandartDeduct>},
        {"fbSocial", QStringLiteral("Социальные"), QStringLiteral("Социальные налоговые вычеты"),
         &Make<TfrFramePensDeduct>},
        {"fbConstruction", QStringLiteral("Имущественный"),
         QStringLiteral("Имущественный налоговый вычет на строительство"), &Make<TfrMultyConstructionDeduct>},
        {"fbCB", QStringLiteral("Инвестиционные и убытки по ЦБ"),
         QStringLiteral("Убытки прошлых налоговых периодов по операциям с ЦБ и инвестиционные вычеты"), &Make<TfrCB>},
    }};
    return tabs;
}

}  // namespace

TfrFrameDeductData::TfrFrameDeductData(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TContainerFrame(owner, parent, slot) {
    setObjectName(QStringLiteral("frFrameDeductData"));
    SetFocusListAfterSwitch(false);
    int subScreens = 0;
    for (int tab = 0; tab < kTabCount; ++tab) {
        const TabInfo& info = Tabs()[tab];
        const QString name = QString::fromLatin1(info.name);
        TFlashButton* button = nullptr;
        if (info.make) {
            button = AddSubScreen(name, info.caption, info.make);
            m_subIndex[tab] = subScreens++;
        } else {
            button = new TFlashButton(this);
            button->setObjectName(name);
            button->setText(info.caption);
            button->SetGroupIndex(1);
            button->setEnabled(false);
            ButtonRow()->insertWidget(ButtonRow()->count() - 1, button);
            m_subIndex[tab] = -1;
        }
        button->setToolTip(info.hint);
        m_buttons[tab] = button;
    }
    ShowInitialSubScreen(m_subIndex[kTabStandard]);
}

TThinkingFrame* TfrFrameDeductData::ShowSubScreen(int index) {
    const Tab tab = index == 0 ? kTabStandard : index == 1 ? kTabSocial : kTabProperty;
    return m_subIndex[tab] < 0 ? nullptr : TContainerFrame::ShowSubScreen(m_subIndex[tab]);
}

}  // namespace zizaza
