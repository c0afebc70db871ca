#pragma once

#include <QPointer>
#include <functional>

#include "ui/ScreenHost.h"

class QWidget;

namespace zizaza {

class TFlashButton;
class TThinkingFrame;

// Creates a screen as a child of the given area.
using ScreenMaker = std::function<TThinkingFrame*(QWidget* area)>;

// The switch protocol shared by the main window and the container screens: one current
// screen in an area, and the button that belongs to it.
class ScreenSwitcher {
public:
    ScreenSwitcher(ScreenHost& host, QWidget* area);
    ~ScreenSwitcher();

    TThinkingFrame* Current() const;
    int CurrentKind() const { return m_currentKind; }
    TFlashButton* CurrentButton() const;

    enum class Outcome { AlreadyShown, Refused, Switched };
    // A screen button was pressed: nothing when the screen of that kind is shown; otherwise
    // the current screen saves and checks itself, and a problem the user wants to fix keeps
    // it (its button pressed again, the item focused). Else the new screen replaces it.
    Outcome Switch(int kind, TFlashButton* button, const ScreenMaker& make, bool focusFirstList);

    // Replaces the current screen without saving or checking it (New, Open, navigation);
    // presses the button, if any.
    TThinkingFrame* Replace(int kind, TFlashButton* button, const ScreenMaker& make);

    // Frees the current screen (the shell closes, or the document goes away).
    void Clear();

private:
    ScreenHost& m_host;
    QWidget* m_area;
    QPointer<TThinkingFrame> m_current;
    int m_currentKind = -1;
    QPointer<TFlashButton> m_currentButton;
};

}  // namespace zizaza
