#include "dictionaries/ui/TfmDocType.h"

#include "dictionaries/DocTypes.h"

namespace zizaza {

namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

TfmDocType::TfmDocType(int currentCode, QWidget* parent)
    : TCodeListPicker(QStringLiteral("fmDocType"), QStringLiteral("Справочник видов документов"),
                      QStringLiteral("lvDocType"), {QStringLiteral("Код"), QStringLiteral("Наименование документа")},
                      parent) {
    resize(720, 420);
    for (const DocType& type : DocTypes())
        AddRow(Text(type.code), Text(type.name));
    const std::optional<size_t> row = FindDocTypeRow(currentCode);
    SelectRow(row ? std::optional<int>(static_cast<int>(*row)) : std::nullopt);
}

void TfmDocType::TakeRow(int row) {
    const DocType& chosen = DocTypes()[static_cast<size_t>(row)];
    m_chosenCode = DocTypeNumber(chosen);
    m_chosenName = Text(chosen.name);
}

}  // namespace zizaza
