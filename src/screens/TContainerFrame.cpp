#include "screens/TContainerFrame.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "screens/controls/TFlashButton.h"

namespace zizaza {

TContainerFrame::TContainerFrame(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot)
    : TThinkingFrame(owner, parent, slot) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_buttonRow = new QHBoxLayout;
    m_buttonRow->setSpacing(4);
    m_buttonRow->addStretch();
    layout->addLayout(m_buttonRow);
    m_area = new QWidget(this);
    m_area->setObjectName(QStringLiteral("SubScreenArea"));
    layout->addWidget(m_area, 1);
    m_switcher = std::make_unique<ScreenSwitcher>(owner, m_area);
}

TContainerFrame::~TContainerFrame() {
    m_switcher.reset();
}

TFlashButton* TContainerFrame::AddSubScreen(const QString& objectName, const QString& caption,
                                            SubScreenFactory factory) {
    auto* button = new TFlashButton(this);
    button->setObjectName(objectName);
    button->setText(caption);
    button->SetGroupIndex(1);
    const int index = static_cast<int>(m_subScreens.size());
    m_subScreens.push_back({button, std::move(factory)});
    m_buttonRow->insertWidget(m_buttonRow->count() - 1, button);
    connect(button, &TFlashButton::clicked, this, [this, index] { OnButton(index); });
    return button;
}

TFlashButton* TContainerFrame::SubScreenButton(int index) const {
    return index >= 0 && index < m_subScreens.size() ? m_subScreens[index].button : nullptr;
}

ScreenMaker TContainerFrame::Maker(int index) {
    return [this, index](QWidget* area) { return m_subScreens[index].factory(Host(), area, Slot()); };
}

void TContainerFrame::ShowInitialSubScreen(int index) {
    m_switcher->Replace(index, SubScreenButton(index), Maker(index));
}

void TContainerFrame::OnButton(int index) {
    m_switcher->Switch(index, SubScreenButton(index), Maker(index), m_focusListAfterSwitch);
}

TThinkingFrame* TContainerFrame::ShowSubScreen(int index) {
    if (index < 0 || index >= m_subScreens.size())
        return nullptr;
    if (m_switcher->CurrentKind() != index)
        m_switcher->Replace(index, SubScreenButton(index), Maker(index));
    return m_switcher->Current();
}

void TContainerFrame::SaveToDocument() {
    if (auto* sub = m_switcher->Current())
        sub->SaveToDocument();
}

uint16_t TContainerFrame::CheckScreen() {
    auto* sub = m_switcher->Current();
    return sub ? sub->CheckScreen() : 0;
}

void TContainerFrame::FocusItem(uint16_t item) {
    if (auto* sub = m_switcher->Current())
        sub->FocusItem(item);
}

void TContainerFrame::FocusFirstList() {
    if (auto* sub = m_switcher->Current())
        sub->FocusFirstList();
}

}  // namespace zizaza
