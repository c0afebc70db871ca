#include "screens/ScreenSwitcher.h"

#include <QLayout>
#include <QVBoxLayout>

#include "screens/TThinkingFrame.h"
#include "screens/controls/TFlashButton.h"

namespace zizaza {

ScreenSwitcher::ScreenSwitcher(ScreenHost& host, QWidget* area) : m_host(host), m_area(area) {
    if (!m_area->layout()) {
        auto* layout = new QVBoxLayout(m_area);
        layout->setContentsMargins(0, 0, 0, 0);
    }
}

ScreenSwitcher::~ScreenSwitcher() {
    Clear();
}

TThinkingFrame* ScreenSwitcher::Current() const {
    return m_current;
}

TFlashButton* ScreenSwitcher::CurrentButton() const {
    return m_currentButton;
}

ScreenSwitcher::Outcome ScreenSwitcher::Switch(int kind, TFlashButton* button, const ScreenMaker& make,
                                               bool focusFirstList) {
    if (m_current && m_currentKind == kind) {
        if (button)
            button->SetDown(true);
        return Outcome::AlreadyShown;
    }
    if (m_current) {
        m_host.FinishEdits();
        m_current->SaveToDocument();
        const uint16_t item = m_current->CheckScreen();
        if (item != 0) {
            if (m_currentButton)
                m_currentButton->SetDown(true);
            m_current->FocusItem(item);
            return Outcome::Refused;
        }
    }
    TThinkingFrame* screen = Replace(kind, button, make);
    if (focusFirstList && screen)
        screen->FocusFirstList();
    return Outcome::Switched;
}

TThinkingFrame* ScreenSwitcher::Replace(int kind, TFlashButton* button, const ScreenMaker& make) {
    TThinkingFrame* screen = nullptr;
    {
        LoadingGuard guard(m_host);
        screen = make(m_area);
        m_area->layout()->addWidget(screen);
        Clear();
        m_current = screen;
        m_currentKind = kind;
        screen->show();
    }
    m_currentButton = button;
    if (button)
        button->SetDown(true);
    return screen;
}

void ScreenSwitcher::Clear() {
    if (m_current) {
        LoadingGuard guard(m_host);
        delete m_current.data();
    }
    m_current = nullptr;
    m_currentKind = -1;
}

}  // namespace zizaza
