#include "app/TFormMain.h"

namespace zizaza {

TFormMain::TFormMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("FormMain");
    setWindowTitle(QStringLiteral("Zizaza 2017"));
    resize(800, 600);
}

}  // namespace zizaza
