#pragma once

#include <QFrame>
#include <cstdint>

#include "ui/ScreenHost.h"

class QAbstractButton;

namespace zizaza {

class TFlashButton;

// The base of every input screen. A screen fills its controls from the document when it is
// created, writes them back in SaveToDocument, checks its own data in CheckScreen (the item
// code of the problem the user chose to fix, 0 for nothing to fix) and brings an item into
// view in FocusItem. It reaches the document only through the shell's slot.
class TThinkingFrame : public QFrame {
    Q_OBJECT
public:
    TThinkingFrame(ScreenHost& owner, QWidget* parent, DeclarationSlot& slot);

    virtual void SaveToDocument() = 0;
    virtual uint16_t CheckScreen() = 0;
    virtual void FocusItem(uint16_t item) = 0;

    // After a switch by the screen's button: the first list gets the focus and its first row
    // the selection, when the list has records. Screens without lists do nothing.
    virtual void FocusFirstList() {}
    // Containers show the sub-screen of the index and return it; other screens return nullptr.
    virtual TThinkingFrame* ShowSubScreen(int index);

    ScreenHost& Host() const { return m_host; }

protected:
    mTDeclaration& Doc() const { return *m_slot; }
    DeclarationSlot& Slot() const { return m_slot; }
    void NotifyChanged() { m_host.DocumentChanged(); }
    // Sends the document-changed notification for every user change of the entry controls
    // below this screen: masked edits, document series edits, date panels, check boxes, radio
    // buttons, spin boxes.
    // Called by a screen's constructor once its controls exist.
    void WatchControls();

private:
    // A click on a tick or a choice: "снятие отметки «В иностранной валюте»".
    void StepDone(QAbstractButton* button, const char* action);

    ScreenHost& m_host;
    DeclarationSlot& m_slot;
};

}  // namespace zizaza
