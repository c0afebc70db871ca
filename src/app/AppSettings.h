#pragma once

#include <QRect>
#include <QString>

namespace zizaza {

// The display settings and the window placement of the current user, kept with QSettings
// under the organisation "Кверон" and the application "Zizaza 2017", in the values named as
// the program has always named them. A store that cannot be read gives the defaults; one that
// cannot be written keeps nothing, without a message.
class AppSettings {
public:
    static const QString kOrganization;
    static const QString kApplication;

    struct Display {
        bool showStdToolbar = true;  // "ShowStdToolbar"
        bool textLabels = true;      // "TextLabels"
    };

    static Display ReadDisplay();
    static void WriteShowStdToolbar(bool value);
    static void WriteTextLabels(bool value);
    // "FullScreen", "wLeft", "wTop", "wWidth", "wHeight": written at exit, never read.
    static void WritePlacement(bool maximised, const QRect& geometry);
};

}  // namespace zizaza
