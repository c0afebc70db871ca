#pragma once

#include <QDialog>

class QPushButton;
class QVBoxLayout;

namespace zizaza {

class ScreenHost;

// The base of the modal entry dialogs of the list screens: the content on top, "Да" and
// "Нет" below. "Да" (or Enter) accepts only when CheckEntries finds nothing to fix; otherwise
// the dialog stays open with the faulty item focused. "Нет" (or Escape) cancels.
class TEntryDialog : public QDialog {
    Q_OBJECT
public:
    TEntryDialog(ScreenHost& host, const QString& caption);

    QPushButton* YesButton() const { return m_yes; }
    QPushButton* NoButton() const { return m_no; }
    // Shows the dialog modally through the shell's interface; true when accepted.
    bool Run();

protected:
    // The dialog's own checks: 0 accepts, another code names the item to focus.
    virtual int CheckEntries() { return 0; }
    virtual void FocusEntry(int /*item*/) {}
    // Where the derived dialog puts its controls.
    QVBoxLayout* Content() const { return m_content; }
    ScreenHost& Host() const { return m_host; }
    // A dialog that does not preview keys: Enter and Escape typed into its fields do nothing.
    void SetEnterEscapeHandled(bool handled) { m_enterEscapeHandled = handled; }

    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnYes();

    ScreenHost& m_host;
    QVBoxLayout* m_content = nullptr;
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
    bool m_enterEscapeHandled = true;
};

}  // namespace zizaza
