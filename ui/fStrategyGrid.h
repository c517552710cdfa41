#pragma once

#include "calc/uStrategyModel.h"
#include "core/cNumberEntry.h"

#include <QPointer>
#include <QTableWidget>

#include <functional>
#include <map>
#include <string>

// One grid of the strategy window: the column titles as headings, the unit row, twelve month
// rows, then the Total and Average rows. It shows the model's texts; what the user types goes
// back key by key through Edited, and a paste holding tabs or line ends through Pasted.
class QLineEdit;

class TStrategyGridView : public QTableWidget {
    Q_OBJECT
public:
    TStrategyGridView(TStrategyPage page, const TStrategyGrid& layout, QWidget* parent);

    // Which characters a typed cell of the column lets through.
    void SetEntry(int column, TNumberEntry entry) { entries[column] = entry; }
    void Show(const TStrategyGrid& grid);

    // Grid row of a month and the month of a grid row (0 for the other rows).
    static int RowOfMonth(int month) { return month; }
    static int MonthOfRow(int row) { return row >= 1 && row <= 12 ? row : 0; }

    std::function<void(int month, int column, const std::string& text)> Edited;
    std::function<void(int month, int column, const std::string& text)> Pasted;

    TStrategyPage Page() const { return page; }
    TNumberEntry EntryOf(int column) const;
    // A paste into a cell of a month row; the model spreads it or takes it as one value.
    void PasteText(int row, int column, const QString& text);

    // The editor of the cell being typed in, so the grid can show it what the model made of it.
    void SetActiveEditor(QLineEdit* editor, int row, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TStrategyPage page;
    std::map<int, TNumberEntry> entries;
    QPointer<QLineEdit> activeEditor;
    int editorRow = 0, editorColumn = 0;
};
