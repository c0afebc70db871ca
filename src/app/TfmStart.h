#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

namespace zizaza {

// The splash window: borderless, 460 by 104, centred, showing the program's picture. Its timer
// switches itself off after the minimum time; start-up keeps processing events until then.
class TfmStart : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinimumMs = 3000;

    // minimumMs: how long the splash stays at least (tests pass 0).
    explicit TfmStart(int minimumMs = kMinimumMs, QWidget* parent = nullptr);

    bool TimerActive() const { return m_timer.isActive(); }
    int MinimumMs() const { return m_timer.interval(); }
    const QImage& Picture() const { return m_picture; }

    // Shows the splash and paints it at once, before the main window's construction.
    void ShowNow();
    // Processes events until the timer is off.
    void WaitForTimer();

    // The minimum time from the environment variable ZIZAZA_SPLASH_MS, else kMinimumMs.
    static int MinimumFromEnvironment();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QTimer m_timer;
};

}  // namespace zizaza
