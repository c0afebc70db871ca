#pragma once

#include <QAbstractButton>
#include <QColor>

namespace zizaza {

// A flat button with a picture and a caption whose pressed state is shared within a group:
// the buttons of one parent with the same GroupIndex (not 0) are released when one of them is
// pressed. Without AllowAllUp a pressed button of a group stays pressed when clicked again.
class TFlashButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TFlashButton(QWidget* parent = nullptr);

    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index) { m_groupIndex = index; }
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool allow) { m_allowAllUp = allow; }
    bool Down() const { return isChecked(); }
    // Pressing releases the other buttons of the group.
    void SetDown(bool down);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing) { m_spacing = spacing; }
    bool UnderMouse() const { return m_hover; }

    static const QColor FieldActiveColor;
    static const QColor FieldSelectedColor;
    static const QColor FieldActiveSelected;
    static const QColor BevelActiveColor;
    static const QColor BevelSelectedColor;
    // The face colour for the current state.
    QColor FaceColor() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void nextCheckState() override;
    void checkStateSet() override;

private:
    void ReleaseOthers();

    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    bool m_hover = false;
    int m_spacing = 4;
};

}  // namespace zizaza
