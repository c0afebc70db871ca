#pragma once

#include <array>

#include "screens/TContainerFrame.h"

namespace zizaza {

// "Вычеты": the standard, social, property and securities deductions, one tab at a time. A tab
// whose screen the program does not have yet keeps its button, disabled.
class TfrFrameDeductData : public TContainerFrame {
    Q_OBJECT
public:
    enum Tab {
        kTabStandard = 0,
        kTabSocial = 1,
        kTabProperty = 2,
        kTabSecurities = 3,
    };
    static constexpr int kTabCount = 4;

    TfrFrameDeductData(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

    // The whole-declaration check's index: 0 the standard tab, 1 the social tab, any other the
    // property tab. The securities tab is never a target. nullptr when that tab has no screen.
    TThinkingFrame* ShowSubScreen(int index) override;
    // The tab shown when the deductions are opened is never given a list's focus.
    void FocusFirstList() override {}

    TFlashButton* TabButton(Tab tab) const { return m_buttons[tab]; }

private:
    // The sub-screen index of each tab in the container, -1 for a tab without a screen.
    std::array<int, kTabCount> m_subIndex{};
    std::array<TFlashButton*, kTabCount> m_buttons{};
};

}  // namespace zizaza
