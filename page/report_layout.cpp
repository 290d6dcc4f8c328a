#include "report_layout.h"

#include "chart_layout.h"
#include "column_widths.h"
#include "text_wrap.h"
#include "wide_text.h"

#include <algorithm>
#include <span>

namespace mixora::page {

namespace {

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
constexpr int kFooterGap = 20;      // between the last row and the page label
constexpr int kChartWidth = 1600;   // a chart at most, centred
constexpr int kChartHeight = 850;
constexpr int kChartGap = 20; // above and below a chart
constexpr int kHeadGap = 20;  // between the running head's rule and the page's first row

constexpr Colour kHeaderFill{236, 236, 236};
constexpr Colour kCaptionFill{244, 244, 244};

std::string CellOf(const Row& row, std::size_t index) {
    return index < row.cells.size() ? row.cells[index] : std::string();
}

class Layouter {
  public:
    Layouter(const PaperSetup& paper, const TextMeasurer& measurer, std::wstring running_head)
        : paper_(paper), measurer_(measurer), running_head_(std::move(running_head)) {
        footer_top_ = paper_.content.bottom - LineHeight(TextStyle::Footer);
        bottom_ = footer_top_ - kFooterGap;
        top_ = paper_.content.top;
        if (!running_head_.empty()) top_ += LineHeight(TextStyle::Footer) + kUnderline + kHeadGap;
        NewPage();
    }

    std::vector<LaidOutPage> Finish() {
        const int count = static_cast<int>(pages_.size());
        for (int i = 0; i < count; ++i)
            pages_[static_cast<std::size_t>(i)].texts.push_back(
                {{Left(), footer_top_, Right(), paper_.content.bottom},
                 TextStyle::Footer,
                 PageLabel(i + 1, count),
                 AlignCenter});
        return std::move(pages_);
    }

    void Masthead(const std::vector<std::string>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            Paragraph({RowKind::Note, {lines[i]}}, i == 0 ? TextStyle::BodyBold : TextStyle::Note,
                      AlignCenter);
        if (!lines.empty()) y_ += kAfterTitle;
    }

    void Title(const std::string& title) {
        const int height = LineHeight(TextStyle::Title);
        Text({Left(), y_, Right(), y_ + height}, TextStyle::Title, WideText(title), AlignCenter);
        y_ += height + kTitleGap;
    }

    // Sections kept on one page (Keep): moved whole to a new page when they do not fit below
    // but do on a page of their own; taller than a page, each is kept alone, or flows.
    void Kept(std::span<const Section> sections) {
        if (!AtTop() && !FitsFrom(y_, sections) && FitsFrom(top_, sections)) NewPage();
        if (sections.size() > 1 && !FitsFrom(y_, sections)) {
            for (std::size_t i = 0; i < sections.size(); ++i)
                Kept(sections.subspan(i, 1));
            return;
        }
        for (const Section& section : sections)
            SectionOf(section);
    }

    void SectionOf(const Section& section) {
        if (!section.title.empty())
            SectionTitle(WideText(section.title), section.rows.empty() && section.chart
                                                      ? ChartHeight() + kChartGap
                                                      : LeadHeight(section.rows));
        const std::span<const Row> rows = section.rows;
        for (std::size_t i = 0; i < rows.size();) {
            std::size_t end = i + 1;
            while (end < rows.size() && SameBlock(rows[i].kind, rows[end].kind))
                ++end;
            const std::span<const Row> block = rows.subspan(i, end - i);
            switch (rows[i].kind) {
            case RowKind::KeyValue: Pairs(block, section.pairs_per_line); break;
            case RowKind::TableHeader:
            case RowKind::TableRow: Grid(block); break;
            case RowKind::Signature: Signatures(block); break;
            case RowKind::Heading:
                // Kept with what it heads.
                Need(LineHeight(TextStyle::BodyBold) + kPadY + LeadHeight(rows.subspan(i + 1)));
                Paragraph(rows[i], TextStyle::BodyBold);
                break;
            case RowKind::Note: Paragraph(rows[i], TextStyle::Note); break;
            }
            i = end;
        }
        if (section.chart) ChartBlock(*section.chart);
    }

  private:
    struct Cell {
        int left, right;
        TextStyle style;
        std::vector<std::wstring> lines;
        TextAlign align;
        bool alert;
        std::optional<Colour> fill;
    };

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
    // Never nothing: a page holds a whole number of lines.
    int LineHeight(TextStyle style) const { return std::max(measurer_.Height(style), 1); }
    bool AtTop() const { return y_ == top_; }
    int PageRoom() const { return bottom_ - top_; }

    void NewPage() {
        pages_.emplace_back();
        y_ = top_;
        if (running_head_.empty()) return;
        const int height = LineHeight(TextStyle::Footer);
        const int top = paper_.content.top;
        Text({Left(), top, Right(), top + height}, TextStyle::Footer, running_head_, AlignRight);
        Page().rules.push_back({Left(), top + height, Right(), top + height + 1});
    }

    // Whether `sections` laid out from `y` end on the page they start on: tried on a page of
    // their own, so that what is kept together breaks exactly where the layout would.
    bool FitsFrom(int y, std::span<const Section> sections) const {
        Layouter probe(paper_, measurer_, running_head_);
        probe.y_ = y;
        for (const Section& section : sections)
            probe.SectionOf(section);
        return probe.pages_.size() == 1;
    }

    // A page break when `height` no longer fits below the cursor (never on an empty page).
    void Need(int height) {
        if (y_ + height > bottom_ && !AtTop()) NewPage();
    }

    LaidOutPage& Page() { return pages_.back(); }

    void Text(Rect box, TextStyle style, std::wstring text, TextAlign align, bool alert = false) {
        Page().texts.push_back({box, style, std::move(text), align, alert});
    }

    // The width of a cell that keeps `text` on one line.
    int OneLineWidth(TextStyle style, std::wstring_view text) const {
        return UnwrappedWidth(measurer_, style, text) + 2 * kPadX + 4;
    }

    std::vector<std::wstring> Wrap(TextStyle style, std::wstring_view text, int width) const {
        return WrapText(measurer_, style, text, width);
    }

    // What a section's title is kept with: its notes up to the first block that is not a note,
    // and that block's first line (a table's header and first row). A page's room at most.
    int LeadHeight(std::span<const Row> rows) const {
        const int line = LineHeight(TextStyle::Body) + 2 * kPadY;
        int height = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Row& row = rows[i];
            if (row.kind == RowKind::Note || row.kind == RowKind::Heading) {
                height += static_cast<int>(
                              Wrap(TextStyle::Note, WideText(CellOf(row, 0)), Width()).size()) *
                              LineHeight(TextStyle::Note) +
                          kPadY;
                continue;
            }
            const bool grid = row.kind == RowKind::TableHeader || row.kind == RowKind::TableRow;
            height += grid ? GridLeadHeight(rows.subspan(i)) : line;
            if (row.kind == RowKind::Signature) height += kSignatureGap;
            break;
        }
        return std::min(std::max(height, line), PageRoom() / 2);
    }

    // The widths of a table's columns, `rows` being all of it.
    std::vector<int> GridWidths(std::span<const Row> rows) const {
        std::size_t columns = 1;
        for (const Row& row : rows)
            columns = std::max(columns, row.cells.size());
        return ColumnWidths(NaturalWidths(rows, columns), Width() - 2);
    }

    // How tall the table that `rows` start with is down to its first row below the header.
    int GridLeadHeight(std::span<const Row> rows) const {
        std::size_t end = 1;
        while (end < rows.size() && SameBlock(rows[0].kind, rows[end].kind))
            ++end;
        const std::vector<int> widths = GridWidths(rows.first(end));
        int height = 0;
        for (std::size_t r = 0; r < end && r < 2; ++r) {
            height += Tallest(GridCells(rows[r], widths, Left() + 1));
            if (rows[r].kind == RowKind::TableRow) break;
        }
        return height;
    }

    // `keep`: how much of what follows stays on the title's page.
    void SectionTitle(const std::wstring& title, int keep) {
        const int height = LineHeight(TextStyle::SectionTitle);
        // Kept with the first lines that follow it.
        if (!AtTop()) Need(kSectionGap + height + kUnderline + kAfterTitle + keep);
        if (!AtTop()) y_ += kSectionGap;
        Text({Left(), y_, Right(), y_ + height}, TextStyle::SectionTitle, title, AlignLeft);
        y_ += height;
        Page().rules.push_back({Left(), y_, Right(), y_ + kUnderline});
        y_ += kUnderline + kAfterTitle;
    }

    // The lines of a row's cells may not take more than a page: the last that fits ends "…".
    void Cap(std::vector<std::wstring>& lines, TextStyle style) const {
        const std::size_t most =
            static_cast<std::size_t>(std::max((PageRoom() - 2 * kPadY) / LineHeight(style), 1));
        if (lines.size() <= most) return;
        lines.resize(most);
        std::wstring& last = lines.back();
        if (!last.empty()) last.pop_back();
        // Not half of a character that takes two.
        if (!last.empty() && last.back() >= 0xD800 && last.back() <= 0xDBFF) last.pop_back();
        last += L"…";
    }

    int CellHeight(const Cell& cell) const {
        return static_cast<int>(cell.lines.size()) * LineHeight(cell.style) + 2 * kPadY;
    }

    int Tallest(const std::vector<Cell>& cells) const {
        int height = 0;
        for (const Cell& cell : cells)
            height = std::max(height, CellHeight(cell));
        return height;
    }

    // A line of cells side by side, framed, as high as its tallest cell.
    void CellLine(std::vector<Cell>& cells) {
        for (Cell& cell : cells)
            Cap(cell.lines, cell.style);
        const int height = Tallest(cells);
        Need(height);
        for (const Cell& cell : cells) {
            const Rect box{cell.left, y_, cell.right, y_ + height};
            Page().boxes.push_back({box, cell.fill, true});
            // The cell's lines within its box less the padding.
            const int line_height = LineHeight(cell.style);
            int top = box.top + kPadY;
            for (const std::wstring& line : cell.lines) {
                Text({box.left + kPadX, top, box.right - kPadX, top + line_height}, cell.style,
                     line, cell.align, cell.alert);
                top += line_height;
            }
        }
        y_ += height;
    }

    // Key/value rows, `per_line` pairs to a line: a caption cell and a value cell each.
    void Pairs(std::span<const Row> rows, int pairs_per_line) {
        const std::size_t per_line = static_cast<std::size_t>(std::max(pairs_per_line, 1));
        // The table is drawn a hair inside the margins so that its outer frame is too.
        const int left = Left() + 1, width = Width() - 2;
        std::vector<int> caption_widths(per_line, 0);
        // Each column of captions as wide as its widest caption, from a fifth to 45 % of a pair.
        for (std::size_t k = 0; k < per_line; ++k) {
            const int pair = width / static_cast<int>(per_line);
            int widest = 0;
            for (std::size_t i = k; i < rows.size(); i += per_line)
                widest =
                    std::max(widest, OneLineWidth(TextStyle::Body, WideText(CellOf(rows[i], 0))));
            caption_widths[k] =
                std::min(per_line == 1 ? std::max(widest, pair / 5) : widest, pair * 45 / 100);
        }
        for (std::size_t i = 0; i < rows.size(); i += per_line) {
            std::vector<Cell> cells;
            for (std::size_t k = 0; k < per_line; ++k) {
                const int pair_left =
                    left + width * static_cast<int>(k) / static_cast<int>(per_line);
                const int pair_right =
                    left + width * static_cast<int>(k + 1) / static_cast<int>(per_line);
                const int split = pair_left + caption_widths[k];
                std::wstring caption, value;
                bool alert = false;
                if (i + k < rows.size()) {
                    const Row& row = rows[i + k];
                    caption = WideText(CellOf(row, 0));
                    value = WideText(CellOf(row, 1));
                    // A unit follows a value; alone it would read as one.
                    if (const std::string unit = CellOf(row, 2); !unit.empty() && !value.empty())
                        value += L" " + WideText(unit);
                    alert = row.alert;
                }
                cells.push_back({pair_left, split, TextStyle::Body,
                                 Wrap(TextStyle::Body, caption, split - pair_left - 2 * kPadX),
                                 AlignLeft, false, kCaptionFill});
                const TextStyle value_style = alert ? TextStyle::BodyBold : TextStyle::Body;
                cells.push_back({split, pair_right, value_style,
                                 Wrap(value_style, value, pair_right - split - 2 * kPadX),
                                 AlignLeft, alert, std::nullopt});
            }
            CellLine(cells);
        }
        y_ += kBlockGap;
    }

    // Each column as wide as the widest of its texts on one line would like.
    std::vector<int> NaturalWidths(std::span<const Row> rows, std::size_t columns) const {
        std::vector<int> natural(columns, 2 * kPadX + 10);
        for (const Row& row : rows)
            for (std::size_t c = 0; c < columns && c < row.cells.size(); ++c) {
                const TextStyle style =
                    row.kind == RowKind::TableHeader ? TextStyle::BodyBold : TextStyle::Body;
                natural[c] = std::max(natural[c], OneLineWidth(style, WideText(row.cells[c])));
            }
        return natural;
    }

    std::vector<Cell> GridCells(const Row& row, const std::vector<int>& widths, int left) const {
        const bool header = row.kind == RowKind::TableHeader;
        const TextStyle style = header || row.alert ? TextStyle::BodyBold : TextStyle::Body;
        std::vector<Cell> cells;
        int x = left;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const int right = x + widths[c];
            cells.push_back({x, right, style,
                             Wrap(style, WideText(CellOf(row, c)), right - x - 2 * kPadX),
                             AlignCenter, row.alert && !header,
                             header ? std::optional(kHeaderFill) : std::nullopt});
            x = right;
        }
        return cells;
    }

    // A table; its header row is repeated at the top of a page it continues on.
    void Grid(std::span<const Row> rows) {
        const int left = Left() + 1;
        const std::vector<int> widths = GridWidths(rows);
        const Row* header = nullptr;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const Row& row = rows[r];
            std::vector<Cell> cells = GridCells(row, widths, left);
            if (row.kind == RowKind::TableHeader) {
                header = &row;
                // Kept with the first row below it, however many lines that row takes.
                const bool row_below = r + 1 < rows.size() && rows[r + 1].kind == RowKind::TableRow;
                const int below = row_below ? Tallest(GridCells(rows[r + 1], widths, left))
                                            : LineHeight(TextStyle::Body) + 2 * kPadY;
                Need(std::min(Tallest(cells) + below, PageRoom()));
            } else if (header) {
                const std::size_t page = pages_.size();
                Need(std::min(Tallest(cells), PageRoom()));
                if (pages_.size() != page) {
                    std::vector<Cell> repeated = GridCells(*header, widths, left);
                    CellLine(repeated);
                }
            }
            CellLine(cells);
        }
        y_ += kBlockGap;
    }

    void Paragraph(const Row& row, TextStyle style, TextAlign align = AlignLeft) {
        if (row.alert) style = style == TextStyle::Note ? TextStyle::NoteBold : style;
        const int height = LineHeight(style);
        for (std::wstring& line : Wrap(style, WideText(CellOf(row, 0)), Width())) {
            Need(height);
            Text({Left(), y_, Right(), y_ + height}, style, std::move(line), align, row.alert);
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
            const Row& row = rows[static_cast<std::size_t>(i)];
            const int left = Left() + Width() * i / count;
            const int right = Left() + Width() * (i + 1) / count - kSignatureSpace;
            const std::wstring role = WideText(CellOf(row, 0)) + L"：";
            const int role_width =
                std::min(measurer_.Width(TextStyle::Body, role) + 10, right - left);
            Text({left, y_, left + role_width, y_ + height}, TextStyle::Body, role, AlignLeft);
            const Rect name{left + role_width, y_, right, y_ + height};
            Text(name, TextStyle::Body, WideText(CellOf(row, 1)), AlignCenter);
            Page().rules.push_back(
                {name.left, name.bottom, name.right, name.bottom + kSignatureRule});
        }
        y_ += height + kUnderline;
    }

    // A page's room at most, so that a chart always fits on a fresh page.
    int ChartHeight() const { return std::max(std::min(kChartHeight, PageRoom() - kChartGap), 0); }

    // A chart after a section's rows, whole on one page.
    void ChartBlock(const Chart& chart) {
        const int height = ChartHeight();
        Need(kChartGap + height);
        if (!AtTop()) y_ += kChartGap;
        const int width = std::min(kChartWidth, Width());
        const int left = Left() + (Width() - width) / 2;
        LayOutChart(chart, {left, y_, left + width, y_ + height}, measurer_, Page());
        y_ += height + kChartGap;
    }

    const PaperSetup& paper_;
    const TextMeasurer& measurer_;
    std::wstring running_head_;
    int top_ = 0; // rows start here, below the running head
    int footer_top_ = 0;
    int bottom_ = 0; // rows end above this
    int y_ = 0;
    std::vector<LaidOutPage> pages_;
};

} // namespace

std::vector<LaidOutPage> LayOutReport(const ReportPage& report, const PaperSetup& paper,
                                      const TextMeasurer& measurer) {
    Layouter layouter(paper, measurer, WideText(report.running_head));
    layouter.Masthead(report.masthead);
    layouter.Title(report.title);
    const std::span<const Section> sections = report.sections;
    for (std::size_t i = 0; i < sections.size();) {
        if (sections[i].keep == Keep::Free) {
            layouter.SectionOf(sections[i++]);
            continue;
        }
        // The block runs to the first section not kept with the next.
        std::size_t end = i;
        while (end + 1 < sections.size() && sections[end].keep == Keep::WithNext)
            ++end;
        layouter.Kept(sections.subspan(i, end + 1 - i));
        i = end + 1;
    }
    return layouter.Finish();
}

std::wstring PageLabel(int number, int count) {
    return L"第 " + std::to_wstring(number) + L" 页，共 " + std::to_wstring(count) + L" 页";
}

} // namespace mixora::page
