#pragma once

#include <QIcon>

namespace zizaza {

// The toolbar's printer: paper going into a printer with a tray, drawn at the toolbar's sizes.
QIcon PrinterIcon();

}  // namespace zizaza
