#include "app/TFormMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zizaza::TFormMain window;
    window.show();
    return app.exec();
}
