#pragma once

#include <QAbstractTableModel>
#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QTableView>

#include <string>
#include <unordered_map>
#include <vector>

struct TReportTable;

// The report window's table as Qt sees it: the cells (or the totals line) of the report model's
// table, read when drawn. A daily table of 40 crops holds 15,000 cells; copying them into items
// cost more than the whole calculation.
class TReportTableModel : public QAbstractTableModel {
public:
    enum class TPart { Cells, Totals };

    TReportTableModel(TPart part, QObject* parent);

    // The table to show from now on, and its looks: period rows plain, the others bold on the
    // shaded brush. One reset of the model.
    void Show(const TReportTable& table, const QFont& bold, const QBrush& plain,
              const QBrush& shaded);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    TPart part;
    const TReportTable* table = nullptr;
    // The size at the last reset: the table may be built again before the view is told.
    int rows = 0;
    int columns = 0;
    QFont bold;
    QBrush plain;
    QBrush shaded;
    int lastPeriodRow = 0;

    bool PeriodRow(int row) const;
    const std::string& Text(int row, int column) const;
};

// A read-only grid over a TReportTableModel.
class TReportGridView : public QTableView {
public:
    TReportGridView(const char* name, TReportTableModel::TPart part);

    TReportTableModel* TableModel() const { return tableModel; }
    int rowCount() const;
    int columnCount() const;
    // The text the grid draws in a cell.
    QString CellText(int row, int column) const;

private:
    TReportTableModel* tableModel;
};

// Widths of texts in one font, each text measured once: a refresh shows mostly the numbers it
// showed before.
class TTextWidths {
public:
    explicit TTextWidths(const QFont& font);
    int Of(const std::string& text);

private:
    QFontMetrics metrics;
    std::unordered_map<std::string, int> known;
};

// The width of each grid column: its widest text (cells and totals, in bold, the widest a text
// gets) plus room on both sides, at least 60 pixels.
std::vector<int> ReportColumnWidths(const TReportTable& table, TTextWidths& bold);
