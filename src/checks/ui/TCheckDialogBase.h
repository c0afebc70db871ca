#pragma once

#include <QDialog>

class QLabel;
class QVBoxLayout;

namespace zizaza {

// What the two check dialogs share: the warning picture, the word-wrapped message and the
// caption "Проверка: " + the section's title. One dialog serves a whole check run; closing it
// with the close box gives 2 (cancel).
class TCheckDialogBase : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCancelled = 2;

    void SetSectionTitle(const QString& title);
    void SetMessage(const QString& message);
    QString Message() const;

    void reject() override;

protected:
    TCheckDialogBase(QWidget* parent, QSize clientSize);
    // Adds a button to the column on the right; clicking it ends the dialog with result.
    class QPushButton* AddButton(const QString& objectName, const QString& caption, int result);

private:
    QLabel* m_message = nullptr;
    QVBoxLayout* m_buttons = nullptr;
};

}  // namespace zizaza
