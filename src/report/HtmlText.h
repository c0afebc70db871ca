#pragma once

#include "storage/Money.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace zizaza {

// A small HTML writer for the report: escaped text, headings, paragraphs and tables. Figures are
// written with no-break spaces between thousands so that they never wrap.
class HtmlText {
public:
    static std::string Escape(std::string_view text);
    static std::string Figure(Money value);

    void Raw(std::string_view html) { m_html += html; }
    void Heading(int level, std::string_view text, std::string_view anchor = {});
    void Paragraph(std::string_view text, std::string_view cssClass = {});
    void TableStart(std::initializer_list<std::string_view> headers);
    // A row of escaped cells; the cells after the first are right-aligned when they hold figures.
    void Row(std::initializer_list<std::string_view> cells);
    // A row "label | figure | note".
    void FigureRow(std::string_view label, Money value, std::string_view note = {});
    void TableEnd() { m_html += "</table>\n"; }

    const std::string& Html() const { return m_html; }
    std::string Take() { return std::move(m_html); }

private:
    std::string m_html;
};

}  // namespace zizaza
