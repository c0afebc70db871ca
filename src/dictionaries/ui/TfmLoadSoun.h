#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zizaza {

class ScreenHost;

// "Загрузка СОУН": explains how to bring the inspections dictionary up to date and rebuilds
// it from the tax service's table soun1.dbf. The running program keeps its list until the
// next start.
class TfmLoadSoun : public QDialog {
    Q_OBJECT
public:
    // The page with the current SOUN directory, offered in the dialog's text.
    static const QString kDownloadPage;

    explicit TfmLoadSoun(ScreenHost& host, QWidget* parent = nullptr);

    QLineEdit* PathField() const { return m_path; }
    QPushButton* BrowseButton() const { return m_browse; }
    QPushButton* ImportButton() const { return m_import; }
    QPushButton* OkButton() const { return m_ok; }

private:
    void OnLink(const QString& link);
    void OnBrowse();
    void OnImport();

    ScreenHost& m_host;
    QLineEdit* m_path = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace zizaza
