#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace zizaza {

class UserInterface;

// "О программе": the picture, the support texts with their links and the maker's line. A
// click anywhere but on a link closes it, as do "OK" and Escape. Shift and a click on the
// picture hide the picture; Ctrl, Shift and a click on "©" uncover the credits behind the
// support texts.
class TfmAbout : public QDialog {
    Q_OBJECT
public:
    static const QString kSupportPage;
    static const QString kProductPage;

    explicit TfmAbout(UserInterface& ui, QWidget* parent = nullptr);

    QLabel* Picture() const { return m_picture; }
    QLabel* CopyrightSign() const { return m_copyright; }
    QStackedWidget* SupportPanel() const { return m_panel; }
    QPushButton* OkButton() const { return m_ok; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* LinkLabel(const QString& html);
    void OnLink(const QString& link);

    UserInterface& m_ui;
    QLabel* m_picture = nullptr;
    QLabel* m_copyright = nullptr;
    QStackedWidget* m_panel = nullptr;
    QPushButton* m_ok = nullptr;
    QString m_hoveredLink;
};

}  // namespace zizaza
