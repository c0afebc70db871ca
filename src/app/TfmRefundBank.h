#pragma once

#include <QDialog>

#include "filing/BankDetails.h"
#include "filing/BicDirectory.h"

#include <optional>
#include "storage/Date.h"

class QLabel;
class QLineEdit;

namespace zizaza {

class UserInterface;

// The bank details for the refund applications. "OK" checks them (the BIC, the account and its
// control key, the correspondent account when typed, the bank's name) and keeps the dialog open,
// with the cursor in the field to look at, until they are right; the right ones are remembered in
// the user's settings for the next application, never in the declaration. With the Bank of
// Russia's BIC directory loaded (its file is remembered too), a BIC fills the bank's name and
// correspondent account.
class TfmRefundBank : public QDialog {
    Q_OBJECT
public:
    // withAddress: the declaration has no INN, so the application carries the person's address.
    TfmRefundBank(UserInterface& ui, bool withAddress, QWidget* parent = nullptr);

    BankDetails Details() const;
    QString Address() const;
    Date ApplicationDate() const { return m_date; }

    QLineEdit* Field(BankField field) const;
    QLineEdit* DateField() const { return m_dateEdit; }
    QLineEdit* AddressField() const { return m_address; }

    void accept() override;

    // Loads the BIC directory from the file and remembers it; false with the reason shown.
    bool LoadDirectory(const QString& path);
    // "Справочник БИК...": the directory file chosen by the user.
    void ChooseDirectory();

    // The details last accepted (empty ones on the first use).
    static BankDetails Remembered();

private:
    void fillFromDirectory();

    UserInterface& m_ui;
    std::optional<BicDirectory> m_directory;
    QLabel* m_directoryNote = nullptr;
    QLineEdit* m_bankName = nullptr;
    QLineEdit* m_bic = nullptr;
    QLineEdit* m_correspondent = nullptr;
    QLineEdit* m_account = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_dateEdit = nullptr;
    Date m_date;
};

}  // namespace zizaza
