#include "report/HtmlText.h"

#include "report/ReportText.h"

#include <cctype>

namespace zizaza {

std::string HtmlText::Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string HtmlText::Figure(Money value) {
    return MoneyText(value, "\u00a0");
}

void HtmlText::Heading(int level, std::string_view text, std::string_view anchor) {
    const std::string h = "h" + std::to_string(level);
    m_html += "<" + h + ">";
    if (!anchor.empty())
        m_html += "<a name=\"" + std::string(anchor) + "\"></a>";
    m_html += Escape(text) + "</" + h + ">\n";
}

void HtmlText::Paragraph(std::string_view text, std::string_view cssClass) {
    m_html += cssClass.empty() ? std::string("<p>") : "<p class=\"" + std::string(cssClass) + "\">";
    m_html += Escape(text);
    m_html += "</p>\n";
}

void HtmlText::TableStart(std::initializer_list<std::string_view> headers) {
    m_html += "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>";
    for (std::string_view h : headers)
        m_html += "<th>" + Escape(h) + "</th>";
    m_html += "</tr>\n";
}

void HtmlText::Row(std::initializer_list<std::string_view> cells) {
    m_html += "<tr>";
    bool first = true;
    for (std::string_view c : cells) {
        const bool figure = !first && !c.empty() && (std::isdigit(static_cast<unsigned char>(c[0])) || c[0] == '\xe2');
        m_html += figure ? "<td align=\"right\">" : "<td>";
        m_html += Escape(c) + "</td>";
        first = false;
    }
    m_html += "</tr>\n";
}

void HtmlText::FigureRow(std::string_view label, Money value, std::string_view note) {
    m_html += "<tr><td>" + Escape(label) + "</td><td align=\"right\">" + Figure(value) + "</td><td>" + Escape(note) +
              "</td></tr>\n";
}

}  // namespace zizaza
