#include "print/module/ProgressWindow.h"

#include <QPointer>
#include <QProgressDialog>

#include <memory>

namespace zizaza::print {
namespace {

constexpr int kShowAfterMs = 400;  // shorter jobs finish without a window

// Owns the window unless its parent took it away first.
struct ProgressHolder {
    QPointer<QProgressDialog> dialog;
    ~ProgressHolder() { delete dialog.data(); }
};

}  // namespace

PageProgress ShowPageProgress(QWidget* parent, const QString& text) {
    auto holder = std::make_shared<ProgressHolder>();
    auto* dialog = new QProgressDialog(text, QStringLiteral("Отмена"), 0, 0, parent);
    dialog->setObjectName(QStringLiteral("PageProgress"));
    dialog->setWindowTitle(QStringLiteral("Zizaza 2017"));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setMinimumDuration(kShowAfterMs);
    dialog->setAutoReset(false);
    dialog->setAutoClose(false);
    holder->dialog = dialog;
    return [holder, text](int done, int total) {
        QProgressDialog* window = holder->dialog.data();
        if (!window)
            return true;
        if (window->maximum() != total)
            window->setMaximum(total);
        window->setLabelText(QStringLiteral("%1\nстраница %2 из %3").arg(text).arg(done).arg(total));
        window->setValue(done);  // keeps the program's windows alive while the job runs
        return !window->wasCanceled();
    };
}

}  // namespace zizaza::print
