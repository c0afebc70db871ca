#include "app/TfmStart.h"

#include <QApplication>
#include <QEventLoop>
#include <QPainter>
#include <QScreen>

#include "app/JpegPicture.h"

namespace zizaza {

TfmStart::TfmStart(int minimumMs, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("fmStart"));
    setFixedSize(460, 104);
    m_picture = LoadJpegPicture(QStringLiteral(":/pictures/splash.jpg"));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    m_timer.setSingleShot(true);
    m_timer.setInterval(std::max(0, minimumMs));
    m_timer.start();
}

int TfmStart::MinimumFromEnvironment() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("ZIZAZA_SPLASH_MS", &ok);
    return ok && ms >= 0 ? ms : kMinimumMs;
}

void TfmStart::ShowNow() {
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfmStart::WaitForTimer() {
    while (m_timer.isActive())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TfmStart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_picture.isNull())
        p.fillRect(rect(), QColor(20, 50, 110));
    else
        p.drawImage(rect(), m_picture);
}

}  // namespace zizaza
