#include "ui/fStrategyGrid.h"

#include "core/cPastedText.h"
#include "ui/fEditorBase.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace {

constexpr int kTotalRow = 13;
constexpr int kAverageRow = 14;

// The editor of an entered cell: filters typed characters, reports every change at once and
// hands pastes with tabs or line ends to the grid.
class TCellEditor : public QLineEdit {
public:
    TCellEditor(TStrategyGridView* grid, int row, int column, QWidget* parent)
        : QLineEdit(parent), grid(grid), row(row), column(column) {
        setFrame(false);
        grid->SetActiveEditor(this, row, column);
        connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
            if (this->grid->Edited)
                this->grid->Edited(TStrategyGridView::MonthOfRow(this->row), this->column,
                                   text.toStdString());
        });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Paste)) {
            // A single value lands where the cursor stands, as in any text field.
            QString text = QApplication::clipboard()->text();
            if (!IsSpreadPaste(text.toStdString()))
                text = TextAfterPaste(this, text.trimmed());
            grid->PasteText(row, column, text);
            return;
        } else if (IsTypedCharacter(event)) {
            if (!AcceptsTypedCharacter(grid->EntryOf(column), event->text().at(0).unicode(),
                                       text().toStdString()))
                return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    TStrategyGridView* grid;
    int row, column;
};

class TCellDelegate : public QStyledItemDelegate {
public:
    explicit TCellDelegate(TStrategyGridView* grid) : QStyledItemDelegate(grid), grid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new TCellEditor(grid, index.row(), index.column(), parent);
        editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return editor;
    }
    // Every key already went to the model; the grid shows what the model holds.
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

private:
    TStrategyGridView* grid;
};

} // namespace

TStrategyGridView::TStrategyGridView(TStrategyPage p, const TStrategyGrid& layout, QWidget* parent)
    : QTableWidget(15, static_cast<int>(layout.Titles.size()), parent), page(p) {
    setItemDelegate(new TCellDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    setColumnWidth(0, fontMetrics().horizontalAdvance(QStringLiteral("Month")) + 40);
    horizontalHeader()->setMinimumHeight(3 * fontMetrics().height() + 8);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList titles;
    for (const std::string& title : layout.Titles)
        titles << QString::fromStdString(title);
    setHorizontalHeaderLabels(titles);
    const QBrush fixed = palette().brush(QPalette::Button);
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            const bool entered = MonthOfRow(r) != 0 && IsEnteredColumn(page, c);
            item->setFlags(entered ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                   : Qt::ItemIsEnabled);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            if (r == 0 || c == 0 || r >= kTotalRow) {
                item->setBackground(fixed);
                if (r == 0)
                    item->setTextAlignment(Qt::AlignCenter);
            } else if (!entered) {
                item->setBackground(palette().brush(QPalette::AlternateBase));
            }
            if (r >= kTotalRow) {
                QFont bold = font();
                bold.setBold(true);
                item->setFont(bold);
            }
            setItem(r, c, item);
        }
    if (page == TStrategyPage::Comparison) {
        // The remarks are sentences: they get the room and read from the left.
        for (int c = 1; c < ComparisonColumn::Remark; ++c) {
            horizontalHeader()->setSectionResizeMode(c, QHeaderView::Fixed);
            setColumnWidth(c, 150);
        }
        for (int r = 1; r < rowCount(); ++r)
            item(r, ComparisonColumn::Remark)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // The heading stands where the remarks begin, not in the middle of the wide column.
        if (QTableWidgetItem* heading = horizontalHeaderItem(ComparisonColumn::Remark))
            heading->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (layout.Average.empty())
        hideRow(kAverageRow);
    Show(layout);
}

TNumberEntry TStrategyGridView::EntryOf(int column) const {
    const auto found = entries.find(column);
    return found == entries.end() ? TNumberEntry::SignedDecimal : found->second;
}

void TStrategyGridView::Show(const TStrategyGrid& grid) {
    auto put = [this](int row, const std::vector<std::string>& cells) {
        for (int c = 0; c < columnCount() && c < static_cast<int>(cells.size()); ++c) {
            const QString text = QString::fromStdString(cells[c]);
            if (item(row, c)->text() != text)
                item(row, c)->setText(text);
        }
    };
    put(0, grid.Headings);
    for (int m = 1; m <= 12; ++m)
        put(RowOfMonth(m), grid.Rows[m - 1]);
    put(kTotalRow, grid.Total);
    if (!grid.Average.empty())
        put(kAverageRow, grid.Average);
    // A cell being typed in shows what the model made of it (an invalid value is emptied).
    if (activeEditor) {
        const QString model = item(editorRow, editorColumn)->text();
        if (activeEditor->text() != model)
            activeEditor->setText(model);
    }
}

void TStrategyGridView::SetActiveEditor(QLineEdit* editor, int row, int column) {
    activeEditor = editor;
    editorRow = row;
    editorColumn = column;
}

void TStrategyGridView::PasteText(int row, int column, const QString& text) {
    if (MonthOfRow(row) != 0 && Pasted)
        Pasted(MonthOfRow(row), column, text.toStdString());
}

void TStrategyGridView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        if (currentItem())
            PasteText(currentRow(), currentColumn(), QApplication::clipboard()->text());
        return;
    }
    QTableWidget::keyPressEvent(event);
}
