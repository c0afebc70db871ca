#pragma once

#include <QMainWindow>

class QTextBrowser;

namespace zizaza {

// The program's help window: the help pages (HTML, in the folder "help" beside the program)
// with back, forward and contents.
class TfmHelp : public QMainWindow {
    Q_OBJECT
public:
    explicit TfmHelp(QWidget* parent = nullptr);

    // Opens a page file (full path) and brings the window up maximised. Opened while a modal
    // dialog is up, the window belongs to that dialog so it is not blocked by it, and comes back
    // to its owner when the dialog goes.
    // part: the anchor within the page to show (empty: its top).
    void ShowPage(const QString& path, const QString& part = {});
    QString CurrentPage() const;
    QTextBrowser* Browser() const { return m_browser; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowModalDialog();

    QWidget* m_owner = nullptr;
    QTextBrowser* m_browser = nullptr;
    QString m_home;
};

}  // namespace zizaza
