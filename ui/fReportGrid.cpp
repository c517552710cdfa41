#include "ui/fReportGrid.h"

#include "calc/uReportTables.h"

#include <QHeaderView>

#include <algorithm>

namespace {

// Room around a cell's text, so neighbouring numbers do not run together.
constexpr int kCellPadding = 18;
constexpr int kMinColumnWidth = 60;

const std::string kNoText;

} // namespace

TReportTableModel::TReportTableModel(TPart part, QObject* parent)
    : QAbstractTableModel(parent), part(part) {}

void TReportTableModel::Show(const TReportTable& shown, const QFont& boldFont,
                             const QBrush& plainBrush, const QBrush& shadedBrush) {
    beginResetModel();
    table = &shown;
    bold = boldFont;
    plain = plainBrush;
    shaded = shadedBrush;
    // The crop evapotranspiration's year row stands out from the periods.
    lastPeriodRow =
        shown.Kind == TReportTableKind::PotentialET ? shown.Rows() - 2 : shown.Rows() - 1;
    rows = part == TPart::Cells ? shown.Rows() : 1;
    columns = shown.Columns();
    endResetModel();
}

int TReportTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows;
}

int TReportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns;
}

// The units row and the Kc table's area row stand out too.
bool TReportTableModel::PeriodRow(int row) const {
    return part == TPart::Cells && row >= table->FirstPeriodRow() && row <= lastPeriodRow;
}

const std::string& TReportTableModel::Text(int row, int column) const {
    if (part == TPart::Totals)
        return column < static_cast<int>(table->Totals.size()) ? table->Totals[column].Text
                                                               : kNoText;
    return table->ShownEmpty(row, column) ? kNoText : table->Grid[row][column].Text;
}

QVariant TReportTableModel::data(const QModelIndex& index, int role) const {
    if (!table || !index.isValid())
        return {};
    const int row = index.row(), column = index.column();
    if (column >= table->Columns() || (part == TPart::Cells && row >= table->Rows()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(Text(row, column));
    case Qt::TextAlignmentRole:
        if (column == 0)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        if (row == 0 && part == TPart::Cells)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        // The totals line takes the bold font of its grid.
        return part == TPart::Cells && !PeriodRow(row) ? QVariant(bold) : QVariant();
    case Qt::BackgroundRole:
        return PeriodRow(row) ? plain : shaded;
    default:
        return {};
    }
}

TReportGridView::TReportGridView(const char* name, TReportTableModel::TPart part) {
    setObjectName(QString::fromUtf8(name));
    tableModel = new TReportTableModel(part, this);
    setModel(tableModel);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setFrameShape(QFrame::NoFrame);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

int TReportGridView::rowCount() const {
    return tableModel->rowCount();
}

int TReportGridView::columnCount() const {
    return tableModel->columnCount();
}

QString TReportGridView::CellText(int row, int column) const {
    return tableModel->index(row, column).data().toString();
}

TTextWidths::TTextWidths(const QFont& font) : metrics(font) {}

int TTextWidths::Of(const std::string& text) {
    if (text.empty())
        return 0;
    const auto found = known.find(text);
    if (found != known.end())
        return found->second;
    const int width = metrics.horizontalAdvance(QString::fromStdString(text));
    known.emplace(text, width);
    return width;
}

std::vector<int> ReportColumnWidths(const TReportTable& t, TTextWidths& bold) {
    std::vector<int> widths(t.Columns(), 0);
    for (int r = 0; r < t.Rows(); ++r)
        for (int c = 0; c < t.Columns(); ++c)
            if (!t.ShownEmpty(r, c))
                widths[c] = std::max(widths[c], bold.Of(t.Grid[r][c].Text));
    for (int c = 0; c < t.Columns() && c < static_cast<int>(t.Totals.size()); ++c)
        widths[c] = std::max(widths[c], bold.Of(t.Totals[c].Text));
    for (int& w : widths)
        w = std::max(w + kCellPadding, kMinColumnWidth);
    return widths;
}
