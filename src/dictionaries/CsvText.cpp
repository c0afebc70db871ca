#include "dictionaries/CsvText.h"

#include "storage/TextCodec.h"

namespace zizaza {

std::string DecodeTextFile(std::string_view bytes) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (bytes.starts_with(kBom))
        bytes.remove_prefix(kBom.size());
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < bytes.size())
        if (!NextCodePoint(bytes, pos, cp))
            return Cp1251ToUtf8(bytes);
    return std::string(bytes);
}

std::vector<CsvRow> ReadCsvRows(std::string_view text, char delimiter) {
    std::vector<CsvRow> rows;
    CsvRow row;
    std::string field;
    bool quoted = false;
    bool any = false;  // the row holds some text
    size_t line = 1;
    row.line = 1;
    auto endRow = [&] {
        row.fields.push_back(std::move(field));
        field.clear();
        if (any)
            rows.push_back(std::move(row));
        row = CsvRow{line, {}};
        any = false;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                line += ch == '\n';
                field += ch;
            }
        } else if (ch == '"') {
            quoted = true;
            any = true;
        } else if (ch == delimiter) {
            row.fields.push_back(std::move(field));
            field.clear();
        } else if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ++line;
            endRow();
        } else {
            field += ch;
            any = any || (ch != ' ' && ch != '\t');
        }
    }
    endRow();
    return rows;
}

std::string_view TrimField(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

}  // namespace zizaza
