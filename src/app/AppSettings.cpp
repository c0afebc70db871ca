#include "app/AppSettings.h"

#include <QSettings>

namespace zizaza {

const QString AppSettings::kOrganization = QStringLiteral("Кверон");
const QString AppSettings::kApplication = QStringLiteral("Zizaza 2017");

namespace {

bool ReadFlag(const QSettings& settings, const char* name, bool fallback) {
    const QVariant v = settings.value(QLatin1String(name));
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n != 0 : fallback;
}

void WriteValues(std::initializer_list<std::pair<const char*, int>> values) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppSettings::kOrganization,
                       AppSettings::kApplication);
    if (!settings.isWritable())
        return;
    for (const auto& [name, value] : values)
        settings.setValue(QLatin1String(name), value);
    settings.sync();
}

}  // namespace

AppSettings::Display AppSettings::ReadDisplay() {
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication);
    Display display;
    if (settings.status() != QSettings::NoError)
        return display;
    display.showStdToolbar = ReadFlag(settings, "ShowStdToolbar", true);
    display.textLabels = ReadFlag(settings, "TextLabels", true);
    return display;
}

void AppSettings::WriteShowStdToolbar(bool value) {
    WriteValues({{"ShowStdToolbar", value ? 1 : 0}});
}

void AppSettings::WriteTextLabels(bool value) {
    WriteValues({{"TextLabels", value ? 1 : 0}});
}

void AppSettings::WritePlacement(bool maximised, const QRect& geometry) {
    WriteValues({{"FullScreen", maximised ? 1 : 0},
                 {"wLeft", geometry.left()},
                 {"wTop", geometry.top()},
                 {"wWidth", geometry.width()},
                 {"wHeight", geometry.height()}});
}

}  // namespace zizaza
