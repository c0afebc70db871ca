#include "dictionaries/ui/TfmGrazhd.h"

namespace zizaza {

TfmGrazhd::TfmGrazhd(std::vector<CodeName> rows, QWidget* parent)
    : TCodeListPicker(QStringLiteral("fmGrazhd"), QStringLiteral("Справочник стран"), QStringLiteral("lvGrazhd"),
                      {QStringLiteral("Код"), QStringLiteral("Наименование государства")}, parent),
      m_rows(std::move(rows)) {
    for (const CodeName& r : m_rows)
        AddRow(QString::fromStdString(r.code), QString::fromStdString(r.name));
}

void TfmGrazhd::SetCurrentCode(const QString& code) {
    m_currentCode = code;
    const std::optional<size_t> row = FindCodeRow(m_rows, code.toStdString());
    SelectRow(row ? std::optional<int>(static_cast<int>(*row)) : std::nullopt);
}

void TfmGrazhd::TakeRow(int row) {
    const CodeName& chosen = m_rows[static_cast<size_t>(row)];
    m_chosenCode = QString::fromStdString(chosen.code);
    m_chosenName = QString::fromStdString(chosen.name);
}

}  // namespace zizaza
