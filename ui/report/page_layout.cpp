#include "page_layout.h"

#include "page_draw.h"
#include "scoped_select.h"
#include "utf.h"

#include <algorithm>
#include <numeric>
#include <span>

namespace mixora::ui {

namespace {

using report::Row;
using report::RowKind;
using report::Section;

// Lengths in tenths of a millimetre, as the HTML report's print styles space things.
constexpr int kPadX = 15;           // inside a cell, left and right
constexpr int kPadY = 3;            // inside a cell, above and below
constexpr int kTitleGap = 30;       // below the title
constexpr int kSectionGap = 20;     // above a section title
constexpr int kUnderline = 4;       // the bar under a section title
constexpr int kAfterTitle = 8;      // between that bar and the section's rows
constexpr int kBlockGap = 10;       // after a table
constexpr int kSignatureGap = 40;   // above the lines to sign on
constexpr int kSignatureSpace = 40; // between one line to sign on and the next
constexpr int kSignatureRule = 3;   // how thick that line is
constexpr int kFooterGap = 20;      // between the last row and the page number
// Measured text is a little narrower at 600 dpi than on a coarse screen: lines keep this slack.
constexpr int kSlackPercent = 3;

constexpr COLORREF kHeaderFill = RGB(236, 236, 236);
constexpr COLORREF kCaptionFill = RGB(244, 244, 244);

bool IsWordCharacter(wchar_t c) {
    return c > L' ' && c < 0x2E80;
}

// Characters that never end a line.
bool IsOpening(wchar_t c) {
    return std::wstring_view(L"（《「『【([").find(c) != std::wstring_view::npos;
}

// Characters that never begin a line.
bool IsClosing(wchar_t c) {
    return std::wstring_view(L"，。、；：？！）》」』】,.;:?!)]%").find(c) !=
           std::wstring_view::npos;
}

class Layouter {
  public:
    Layouter(const PaperSetup& paper, const PageFonts& fonts, HDC dc)
        : paper_(paper), fonts_(fonts), dc_(dc) {
        for (size_t i = 0; i < kTextStyleCount; ++i) {
            TEXTMETRICW metrics{};
            base::scoped_select select(dc_, fonts_.get(static_cast<TextStyle>(i)));
            GetTextMetricsW(dc_, &metrics);
            line_heights_[i] = std::max<int>(metrics.tmHeight + metrics.tmExternalLeading + 1, 10);
        }
        footer_top_ = paper_.content.bottom - LineHeight(TextStyle::Footer);
        bottom_ = footer_top_ - kFooterGap;
        NewPage();
    }

    std::vector<LaidOutPage> Finish() {
        const size_t count = pages_.size();
        for (size_t i = 0; i < count; ++i) {
            const std::wstring number =
                L"第 " + std::to_wstring(i + 1) + L" 页，共 " + std::to_wstring(count) + L" 页";
            pages_[i].texts.push_back(
                {{paper_.content.left, footer_top_, paper_.content.right, paper_.content.bottom},
                 TextStyle::Footer,
                 number,
                 TA_CENTER});
        }
        return std::move(pages_);
    }

    void Title(const std::string& title) {
        const int height = LineHeight(TextStyle::Title);
        Text({Left(), y_, Right(), y_ + height}, TextStyle::Title, Widen(title), TA_CENTER);
        y_ += height + kTitleGap;
    }

    void SectionOf(const Section& section) {
        if (!section.title.empty()) SectionTitle(Widen(section.title));
        const std::vector<Row>& rows = section.rows;
        for (size_t i = 0; i < rows.size();) {
            size_t end = i + 1;
            while (end < rows.size() && SameBlock(rows[i].kind, rows[end].kind))
                ++end;
            const std::span<const Row> block(rows.data() + i, end - i);
            switch (rows[i].kind) {
            case RowKind::KeyValue: Pairs(block, section.pairs_per_line); break;
            case RowKind::TableHeader:
            case RowKind::TableRow: Grid(block); break;
            case RowKind::Signature: Signatures(block); break;
            case RowKind::Heading: Paragraph(rows[i], TextStyle::BodyBold); break;
            case RowKind::Note: Paragraph(rows[i], TextStyle::Note); break;
            }
            i = end;
        }
    }

  private:
    static bool SameBlock(RowKind a, RowKind b) {
        const auto grid = [](RowKind k) {
            return k == RowKind::TableHeader || k == RowKind::TableRow;
        };
        if (grid(a)) return grid(b);
        return a == b && (a == RowKind::KeyValue || a == RowKind::Signature);
    }

    int Left() const { return paper_.content.left; }
    int Right() const { return paper_.content.right; }
    int Width() const { return Right() - Left(); }
    int LineHeight(TextStyle style) const { return line_heights_[static_cast<size_t>(style)]; }
    bool AtTop() const { return y_ == paper_.content.top; }
    int PageRoom() const { return bottom_ - paper_.content.top; }

    void NewPage() {
        pages_.emplace_back();
        y_ = paper_.content.top;
    }

    // A page break when `height` no longer fits below the cursor (never on an empty page).
    void Need(int height) {
        if (y_ + height > bottom_ && !AtTop()) NewPage();
    }

    LaidOutPage& Page() { return pages_.back(); }

    void Text(RECT box, TextStyle style, std::wstring text, UINT align, bool alert = false) {
        Page().texts.push_back({box, style, std::move(text), align, alert});
    }

    // The width a text needs on one line, with the slack Wrap keeps.
    int OneLineWidth(TextStyle style, std::wstring_view text) const {
        return TextWidth(style, text) * (100 + kSlackPercent + 1) / 100 + 2 * kPadX + 4;
    }

    int TextWidth(TextStyle style, std::wstring_view text) const {
        base::scoped_select select(dc_, fonts_.get(style));
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

    // The text broken into lines no wider than `width`: at line breaks, between Chinese
    // characters, at blanks between words, and never before closing punctuation.
    std::vector<std::wstring> Wrap(TextStyle style, const std::wstring& text, int width) const {
        const int room = std::max(width - width * kSlackPercent / 100, 1);
        base::scoped_select select(dc_, fonts_.get(style));
        std::vector<std::wstring> lines;
        size_t paragraph_start = 0;
        while (true) {
            size_t paragraph_end = text.find(L'\n', paragraph_start);
            if (paragraph_end == std::wstring::npos) paragraph_end = text.size();
            std::wstring paragraph;
            for (size_t i = paragraph_start; i < paragraph_end; ++i)
                if (text[i] != L'\r') paragraph += text[i] == L'\t' ? L' ' : text[i];
            WrapParagraph(paragraph, room, lines);
            if (paragraph_end == text.size()) break;
            paragraph_start = paragraph_end + 1;
        }
        return lines;
    }

    void WrapParagraph(const std::wstring& text, int room, std::vector<std::wstring>& lines) const {
        if (text.empty()) {
            lines.emplace_back();
            return;
        }
        size_t start = 0;
        while (start < text.size()) {
            const size_t left = text.size() - start;
            INT fit = 0;
            SIZE size{};
            GetTextExtentExPointW(dc_, text.data() + start, static_cast<int>(left), room, &fit,
                                  nullptr, &size);
            if (fit < 0) fit = 0;
            if (static_cast<size_t>(fit) >= left) {
                lines.push_back(text.substr(start));
                break;
            }
            size_t cut = start + std::max<size_t>(static_cast<size_t>(fit), 1);
            if (IS_LOW_SURROGATE(text[cut]) && cut > start + 1) --cut;
            size_t next = cut;
            if (IsWordCharacter(text[cut - 1]) && IsWordCharacter(text[cut])) {
                const size_t blank = text.rfind(L' ', cut);
                if (blank != std::wstring::npos && blank > start) cut = next = blank;
            }
            while (cut > start + 1 && cut == next &&
                   (IsClosing(text[cut]) || IsOpening(text[cut - 1])))
                next = --cut;
            std::wstring line = text.substr(start, cut - start);
            while (!line.empty() && line.back() == L' ')
                line.pop_back();
            lines.push_back(std::move(line));
            start = next;
            while (start < text.size() && text[start] == L' ')
                ++start;
        }
    }

    void SectionTitle(const std::wstring& title) {
        const int height = LineHeight(TextStyle::SectionTitle);
        // Kept with the first lines that follow it.
        if (!AtTop())
            Need(kSectionGap + height + kUnderline + kAfterTitle + 3 * LineHeight(TextStyle::Body));
        if (!AtTop()) y_ += kSectionGap;
        Text({Left(), y_, Right(), y_ + height}, TextStyle::SectionTitle, title, TA_LEFT);
        y_ += height;
        Page().rules.push_back({Left(), y_, Right(), y_ + kUnderline});
        y_ += kUnderline + kAfterTitle;
    }

    // One cell's lines, within its box less the padding; as many as `lines` allows.
    void CellText(const RECT& cell, TextStyle style, const std::vector<std::wstring>& lines,
                  UINT align, bool alert) {
        const int height = LineHeight(style);
        int top = cell.top + kPadY;
        for (const std::wstring& line : lines) {
            Text({cell.left + kPadX, top, cell.right - kPadX, top + height}, style, line, align,
                 alert);
            top += height;
        }
    }

    // The lines of a row's cells may not take more than a page: the last that fits ends "…".
    void Cap(std::vector<std::wstring>& lines, TextStyle style) const {
        const size_t most =
            static_cast<size_t>(std::max((PageRoom() - 2 * kPadY) / LineHeight(style), 1));
        if (lines.size() <= most) return;
        lines.resize(most);
        std::wstring& last = lines.back();
        if (!last.empty()) last.pop_back();
        last += L"…";
    }

    struct Cell {
        int left, right;
        TextStyle style;
        std::vector<std::wstring> lines;
        UINT align;
        bool alert;
        COLORREF fill;
    };

    // A line of cells side by side, framed, as high as its tallest cell.
    void CellLine(std::vector<Cell>& cells) {
        int height = 0;
        for (Cell& cell : cells) {
            Cap(cell.lines, cell.style);
            height = std::max(height, static_cast<int>(cell.lines.size()) * LineHeight(cell.style) +
                                          2 * kPadY);
        }
        Need(height);
        for (const Cell& cell : cells) {
            const RECT box{cell.left, y_, cell.right, y_ + height};
            Page().boxes.push_back({box, cell.fill, true});
            CellText(box, cell.style, cell.lines, cell.align, cell.alert);
        }
        y_ += height;
    }

    static std::string CellOf(const Row& row, size_t index) {
        return index < row.cells.size() ? row.cells[index] : std::string();
    }

    // Key/value rows, `per_line` pairs to a line: a caption cell and a value cell each.
    void Pairs(std::span<const Row> rows, int pairs_per_line) {
        const size_t per_line = static_cast<size_t>(std::max(pairs_per_line, 1));
        // The table is drawn a hair inside the margins so that its outer frame is too.
        const int left = Left() + 1, width = Width() - 2;
        std::vector<int> caption_widths(per_line, 0);
        // Each column of captions as wide as its widest caption, from a fifth to 45 % of a pair.
        for (size_t k = 0; k < per_line; ++k) {
            const int pair = width / static_cast<int>(per_line);
            int widest = 0;
            for (size_t i = k; i < rows.size(); i += per_line)
                widest = std::max(widest, OneLineWidth(TextStyle::Body, Widen(CellOf(rows[i], 0))));
            caption_widths[k] =
                std::min(per_line == 1 ? std::max(widest, pair / 5) : widest, pair * 45 / 100);
        }
        for (size_t i = 0; i < rows.size(); i += per_line) {
            std::vector<Cell> cells;
            for (size_t k = 0; k < per_line; ++k) {
                const int pair_left =
                    left + width * static_cast<int>(k) / static_cast<int>(per_line);
                const int pair_right =
                    left + width * static_cast<int>(k + 1) / static_cast<int>(per_line);
                const int split = pair_left + caption_widths[k];
                std::wstring caption, value;
                bool alert = false;
                if (i + k < rows.size()) {
                    const Row& row = rows[i + k];
                    caption = Widen(CellOf(row, 0));
                    value = Widen(CellOf(row, 1));
                    // A unit follows a value; alone it would read as one.
                    if (const std::string unit = CellOf(row, 2); !unit.empty() && !value.empty())
                        value += L" " + Widen(unit);
                    alert = row.alert;
                }
                cells.push_back({pair_left, split, TextStyle::Body,
                                 Wrap(TextStyle::Body, caption, split - pair_left - 2 * kPadX),
                                 TA_LEFT, false, kCaptionFill});
                const TextStyle value_style = alert ? TextStyle::BodyBold : TextStyle::Body;
                cells.push_back({split, pair_right, value_style,
                                 Wrap(value_style, value, pair_right - split - 2 * kPadX), TA_LEFT,
                                 alert, CLR_INVALID});
            }
            CellLine(cells);
        }
        y_ += kBlockGap;
    }

    // Column widths: each column as wide as its widest text when they all fit, stretched to the
    // whole width; otherwise the narrow columns keep their width and the wide ones share the rest
    // in proportion to what they would need.
    std::vector<int> ColumnWidths(std::span<const Row> rows, size_t columns, int width) const {
        std::vector<int> natural(columns, 2 * kPadX + 10);
        for (const Row& row : rows)
            for (size_t c = 0; c < columns && c < row.cells.size(); ++c) {
                const TextStyle style =
                    row.kind == RowKind::TableHeader ? TextStyle::BodyBold : TextStyle::Body;
                natural[c] = std::max(natural[c], OneLineWidth(style, Widen(row.cells[c])));
            }
        const long long total = std::accumulate(natural.begin(), natural.end(), 0LL);
        std::vector<int> widths(columns, 0);
        if (total <= width) {
            for (size_t c = 0; c < columns; ++c)
                widths[c] = static_cast<int>(natural[c] * width / total);
        } else {
            std::vector<bool> fixed(columns, false);
            bool changed = true;
            while (changed) {
                changed = false;
                int room = width;
                long long wanted = 0;
                for (size_t c = 0; c < columns; ++c) {
                    if (fixed[c])
                        room -= natural[c];
                    else
                        wanted += natural[c];
                }
                for (size_t c = 0; c < columns; ++c) {
                    if (fixed[c]) {
                        widths[c] = natural[c];
                        continue;
                    }
                    widths[c] = wanted > 0 ? static_cast<int>(natural[c] * room / wanted) : 0;
                    if (widths[c] >= natural[c]) {
                        fixed[c] = true;
                        changed = true;
                    }
                }
            }
        }
        // Rounding leaves the last column what is over.
        widths.back() += width - std::accumulate(widths.begin(), widths.end(), 0);
        return widths;
    }

    std::vector<Cell> GridCells(const Row& row, const std::vector<int>& widths, int left) {
        const bool header = row.kind == RowKind::TableHeader;
        const TextStyle style = header || row.alert ? TextStyle::BodyBold : TextStyle::Body;
        std::vector<Cell> cells;
        int x = left;
        for (size_t c = 0; c < widths.size(); ++c) {
            const int right = x + widths[c];
            cells.push_back({x, right, style,
                             Wrap(style, Widen(CellOf(row, c)), right - x - 2 * kPadX),
                             static_cast<UINT>(TA_CENTER), row.alert && !header,
                             header ? kHeaderFill : CLR_INVALID});
            x = right;
        }
        return cells;
    }

    // A table; its header row is repeated at the top of a page it continues on.
    void Grid(std::span<const Row> rows) {
        size_t columns = 1;
        for (const Row& row : rows)
            columns = std::max(columns, row.cells.size());
        const int left = Left() + 1, width = Width() - 2;
        const std::vector<int> widths = ColumnWidths(rows, columns, width);
        const Row* header = nullptr;
        for (const Row& row : rows) {
            std::vector<Cell> cells = GridCells(row, widths, left);
            if (row.kind == RowKind::TableHeader) {
                header = &row;
                // Kept with the first row below it.
                Need(2 * (LineHeight(TextStyle::Body) + 2 * kPadY));
            } else if (header) {
                const size_t page = pages_.size();
                int height = 0;
                for (const Cell& cell : cells)
                    height = std::max(height,
                                      static_cast<int>(cell.lines.size()) * LineHeight(cell.style) +
                                          2 * kPadY);
                Need(std::min(height, PageRoom()));
                if (pages_.size() != page) {
                    std::vector<Cell> repeated = GridCells(*header, widths, left);
                    CellLine(repeated);
                }
            }
            CellLine(cells);
        }
        y_ += kBlockGap;
    }

    void Paragraph(const Row& row, TextStyle style) {
        if (row.alert) style = style == TextStyle::Note ? TextStyle::NoteBold : style;
        const int height = LineHeight(style);
        for (const std::wstring& line : Wrap(style, Widen(CellOf(row, 0)), Width())) {
            Need(height);
            Text({Left(), y_, Right(), y_ + height}, style, line, TA_LEFT, row.alert);
            y_ += height;
        }
        y_ += kPadY;
    }

    // "试验：____" side by side, the name written on its line.
    void Signatures(std::span<const Row> rows) {
        const int height = LineHeight(TextStyle::Body);
        Need(kSignatureGap + height + kUnderline);
        y_ += kSignatureGap;
        const int count = static_cast<int>(rows.size());
        for (int i = 0; i < count; ++i) {
            const Row& row = rows[static_cast<size_t>(i)];
            const int left = Left() + Width() * i / count;
            const int right = Left() + Width() * (i + 1) / count - kSignatureSpace;
            const std::wstring role = Widen(CellOf(row, 0)) + L"：";
            const int role_width = std::min(TextWidth(TextStyle::Body, role) + 10, right - left);
            Text({left, y_, left + role_width, y_ + height}, TextStyle::Body, role, TA_LEFT);
            const RECT name{left + role_width, y_, right, y_ + height};
            Text(name, TextStyle::Body, Widen(CellOf(row, 1)), TA_CENTER);
            Page().rules.push_back(
                {name.left, name.bottom, name.right, name.bottom + kSignatureRule});
        }
        y_ += height + kUnderline;
    }

    const PaperSetup& paper_;
    const PageFonts& fonts_;
    HDC dc_;
    int line_heights_[kTextStyleCount]{};
    int footer_top_ = 0;
    int bottom_ = 0; // rows end above this
    int y_ = 0;
    std::vector<LaidOutPage> pages_;
};

} // namespace

std::vector<LaidOutPage> LayOutReport(const report::ReportPage& report, const PaperSetup& paper,
                                      const PageFonts& fonts) {
    base::unique_hdc measure = CreateMeasuringContext();
    if (!measure) return {LaidOutPage{}};
    Layouter layouter(paper, fonts, measure.get());
    layouter.Title(report.title);
    for (const Section& section : report.sections)
        layouter.SectionOf(section);
    return layouter.Finish();
}

} // namespace mixora::ui
