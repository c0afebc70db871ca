#pragma once

#include <QList>
#include <memory>

#include "screens/ScreenSwitcher.h"
#include "screens/TThinkingFrame.h"

class QHBoxLayout;

namespace zizaza {

// A screen that shows one sub-screen at a time, chosen by its own row of buttons with the
// same switch protocol as the main window. The screen operations go to the current
// sub-screen unchanged.
class TContainerFrame : public TThinkingFrame {
    Q_OBJECT
public:
    TContainerFrame(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);
    ~TContainerFrame() override;

    void SaveToDocument() override;
    uint16_t CheckScreen() override;
    void FocusItem(uint16_t item) override;
    void FocusFirstList() override;
    TThinkingFrame* ShowSubScreen(int index) override;

    TThinkingFrame* CurrentSubScreen() const { return m_switcher->Current(); }
    int CurrentSubIndex() const { return m_switcher->CurrentKind(); }
    TFlashButton* SubScreenButton(int index) const;

protected:
    using SubScreenFactory = std::function<TThinkingFrame*(ScreenHost&, QWidget*, DeclarationSlot&)>;
    // Adds a sub-screen with its button; indexes count from 0 in the order of adding.
    TFlashButton* AddSubScreen(const QString& objectName, const QString& caption, SubScreenFactory factory);
    // Shows the first sub-screen without pressing through the protocol (at creation).
    void ShowInitialSubScreen(int index = 0);
    QHBoxLayout* ButtonRow() const { return m_buttonRow; }
    // Whether a sub-screen shown by its button gives the focus to its first list (the default).
    void SetFocusListAfterSwitch(bool focus) { m_focusListAfterSwitch = focus; }

private:
    void OnButton(int index);
    ScreenMaker Maker(int index);

    struct SubScreen {
        TFlashButton* button;
        SubScreenFactory factory;
    };
    QList<SubScreen> m_subScreens;
    QHBoxLayout* m_buttonRow = nullptr;
    QWidget* m_area = nullptr;
    std::unique_ptr<ScreenSwitcher> m_switcher;
    bool m_focusListAfterSwitch = true;
};

}  // namespace zizaza
