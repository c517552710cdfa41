#include "ui/fMeteo.h"

#include "calc/uMeteoRanges.h"
#include "calc/uRangeCheck.h"
#include "calc/uReferenceET.h"
#include "core/cError.h"
#include "core/cGuiSettings.h"
#include "core/cNumberEntry.h"
#include "core/cNumberFormat.h"
#include "core/cPastedText.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "data/cMeteoCsv.h"
#include "ui/fClimateImport.h"
#include "ui/fToolBar.h"
#include "ui/platform/pWindowMessages.h"
#include "ui/uQtText.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRowHeight = kMeteoRowHeight;
constexpr int kLabelColumnWidth = 96;
constexpr int kDataColumnWidth = 84;
const QColor kShade(223, 235, 255);

TEditorValues MeteoValues() {
    TEditorValues v;
    v.CaptionFormat = "Meteo data [%s]";
    v.ClipboardTitle = "Meteo Data";
    v.OpenFilter = "Meteo files (*.mtf)|*.mtf|All files (*.*)|*.*";
    v.Extension = ".mtf";
    v.Folder = &TGuiSettings::MeteoFolder;
    v.Notifications = {WM_REFRESH_MAIN};
    v.RefreshMessage = WM_REFRESH_METEO;
    v.ShowAfterSave = false;
    return v;
}

} // namespace

// A bar of sections that line up with the grid's columns: the column groups above the grid and
// the totals below it.
class TMeteoHeaderBar : public QWidget {
public:
    TMeteoHeaderBar(QTableWidget* grid, std::vector<std::pair<QString, int>> sections)
        : grid(grid), sections(std::move(sections)) {
        setFixedHeight(kRowHeight + 2);
    }
    QString Text(int section) const {
        return section < static_cast<int>(sections.size()) ? sections[section].first : QString();
    }
    int Count() const { return static_cast<int>(sections.size()); }
    void SetText(int section, const QString& text) {
        sections[section].first = text;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int offset = grid->geometry().x() - geometry().x() + grid->frameWidth();
        int column = 0;
        for (const auto& [text, span] : sections) {
            int width = 0;
            for (int c = column; c < column + span && c < grid->columnCount(); ++c)
                width += grid->columnWidth(c);
            const QRect box(offset + grid->columnViewportPosition(column), 0, width, height() - 1);
            painter.fillRect(box, palette().button());
            painter.setPen(palette().mid().color());
            painter.drawRect(box.adjusted(0, 0, -1, 0));
            painter.setPen(palette().buttonText().color());
            painter.drawText(box, Qt::AlignCenter, text);
            column += span;
        }
    }

private:
    QTableWidget* grid;
    std::vector<std::pair<QString, int>> sections;
};

// Draws a cell by its range state and the method's shading; edits with a plain line edit that
// hands every keystroke to the grid at once, so totals, colours and the record follow typing.
class TMeteoCellDelegate : public QStyledItemDelegate {
public:
    explicit TMeteoCellDelegate(TfrmMeteo* form) : QStyledItemDelegate(form), form(form) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int column = index.column();
        QColor back = Qt::white;
        QColor fore = Qt::black;
        if (column == 0) {
            back = option.palette.color(QPalette::Window); // the labels, not data
        } else if (form->CellState(index.row() + 1, column) == TMeteoCellState::OutOfRange) {
            back = Qt::red;
            fore = Qt::yellow;
        } else if (form->Shaded(column)) {
            back = kShade;
        }
        painter->save();
        painter->fillRect(option.rect, back);
        if ((option.state & QStyle::State_HasFocus) && column > 0) {
            painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
            painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
        }
        painter->setPen(fore);
        painter->drawText(option.rect.adjusted(4, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data().toString());
        painter->restore();
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->installEventFilter(form);
        connect(editor, &QLineEdit::textEdited, this,
                [this, editor] { emit const_cast<TMeteoCellDelegate*>(this)->commitData(editor); });
        return editor;
    }

    // Enter takes the value and goes down a row, as in a spreadsheet; moving the current cell
    // commits and closes the editor at once.
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            QTableWidget* grid = form->grdMeteo;
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
                grid->currentRow() + 1 < grid->rowCount()) {
                grid->setCurrentCell(grid->currentRow() + 1, grid->currentColumn());
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    TfrmMeteo* form;
};

TfrmMeteo::TfrmMeteo(TAllData& data, QWidget* owner)
    : TEditorBase(MeteoValues(), AccessTo(data.Meteo), data, owner) {
    setObjectName(QStringLiteral("TfrmMeteo"));
    BuildFields();
    WatchNumberField(edtWHeigth, TNumberEntry::Decimal);
    SetRangeHint(edtWHeigth, [this] { return WindHeightHint(Units()); });
    resize(860, 560);
    SetUnitCaptions();
    resize(grdMeteo->width() + 2 * 12, 560); // as wide as the grid with its margins
    ShowDefaults();
    SetModified(false);
}

void TfrmMeteo::BuildFields() {
    edtWHeigth = new QLineEdit;
    edtWHeigth->setObjectName(QStringLiteral("edtWHeigth"));
    edtWHeigth->setFixedWidth(70);
    lblWHeigth = new QLabel;
    lblWHeigth->setBuddy(edtWHeigth);
    cbxMethod = new QComboBox;
    cbxMethod->setObjectName(QStringLiteral("cbxMethod"));
    cbxMethod->addItems({QStringLiteral("Penman - Monteith"), QStringLiteral("FAO Modefied Penman"),
                         QStringLiteral("Modified Hargreaves")});
    auto* methodCaption = new QLabel(QStringLiteral("Select method"));
    methodCaption->setBuddy(cbxMethod);

    grdMeteo = new QTableWidget(0, kMeteoGridColumns);
    grdMeteo->setObjectName(QStringLiteral("grdMeteo"));
    grdMeteo->verticalHeader()->hide();
    grdMeteo->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdMeteo->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grdMeteo->horizontalHeader()->setFixedHeight(kRowHeight);
    grdMeteo->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdMeteo->horizontalHeader()->setHighlightSections(false);
    grdMeteo->setColumnWidth(0, kLabelColumnWidth);
    for (int c = 1; c < kMeteoGridColumns; ++c)
        grdMeteo->setColumnWidth(c, kDataColumnWidth);
    grdMeteo->setSelectionMode(QAbstractItemView::SingleSelection);
    grdMeteo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdMeteo->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                              QAbstractItemView::EditKeyPressed);
    grdMeteo->setItemDelegate(new TMeteoCellDelegate(this));
    grdMeteo->installEventFilter(this);

    std::vector<std::pair<QString, int>> groups;
    for (const auto& [text, span] : MeteoColumnGroups())
        groups.emplace_back(Q(text), span);
    hdrGroups = new TMeteoHeaderBar(grdMeteo, groups);
    hdrGroups->setObjectName(QStringLiteral("hdrGroups"));
    std::vector<std::pair<QString, int>> footer(kMeteoGridColumns, {QString(), 1});
    footer[0].first = QStringLiteral("Total");
    hdrFooter = new TMeteoHeaderBar(grdMeteo, footer);
    hdrFooter->setObjectName(QStringLiteral("hdrFooter"));

    auto* top = new QGridLayout;
    top->setHorizontalSpacing(10);
    top->addWidget(lblWHeigth, 0, 0);
    top->addWidget(edtWHeigth, 0, 1);
    top->addWidget(methodCaption, 1, 0);
    top->addWidget(cbxMethod, 1, 1, 1, 2, Qt::AlignLeft);
    top->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addWidget(hdrGroups);
    // The grid takes the height the window leaves, up to all its rows; the Total and the hint
    // always stand below it.
    grdMeteo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    layout->addWidget(grdMeteo, 1, Qt::AlignLeft);
    layout->addWidget(hdrFooter);
    layout->addSpacing(30); // the range hint stands 30 pixels below the footer
    this->layout()->removeWidget(RangeHint());
    layout->addWidget(RangeHint());
    layout->addStretch(0);

    connect(grdMeteo, &QTableWidget::itemChanged, this, &TfrmMeteo::CellChanged);
    connect(grdMeteo, &QTableWidget::currentCellChanged, this, [this](int, int column) {
        if (column >= 1)
            focusedColumn = column;
        ShowGridHint();
        grdMeteo->viewport()->update();
    });
    // The method is not part of the data: it only shades the columns it does not use.
    connect(cbxMethod, &QComboBox::currentIndexChanged, this,
            [this] { grdMeteo->viewport()->update(); });
    QAction* import = new QAction(QStringLiteral("Import CSV..."), this);
    import->setObjectName(QStringLiteral("actImportCsv"));
    import->setStatusTip(QStringLiteral("Read monthly meteo data from a CSV table"));
    connect(import, &QAction::triggered, this, &TfrmMeteo::ImportCsv);
    QMenu* file = MenuBar()->actions().value(0) ? MenuBar()->actions().value(0)->menu() : nullptr;
    QAction* climate = new QAction(QStringLiteral("Import climate record..."), this);
    climate->setObjectName(QStringLiteral("actImportClimate"));
    climate->setStatusTip(QStringLiteral("Make the meteo data from a daily climate record"));
    connect(climate, &QAction::triggered, this, &TfrmMeteo::ImportClimateRecord);
    if (file) {
        // Beside Open, where a user looks for a way to bring data in.
        QAction* before = file->actions().value(2);
        file->insertAction(before, import);
        file->insertAction(before, climate);
    }
    SetTabOrder({edtWHeigth, cbxMethod, grdMeteo});
}

double TfrmMeteo::MaxSunshine(int row) const {
    const TGeneral& general = Data().General;
    return CalcMaxSunshine(general,
                           SunshineDay(general.CalcPeriod, row, Units().GetPeriodLength()));
}

TMeteoGridTexts TfrmMeteo::GridTexts() const {
    TMeteoGridTexts texts(grdMeteo->rowCount());
    for (int r = 0; r < grdMeteo->rowCount(); ++r)
        for (int c = 0; c < kMeteoGridColumns; ++c)
            if (const QTableWidgetItem* item = grdMeteo->item(r, c))
                texts[r][c] = item->text().toStdString();
    return texts;
}

TMeteoCellState TfrmMeteo::CellState(int row, int column) const {
    TMeteoRowTexts texts;
    for (int c = 0; c < kMeteoGridColumns; ++c)
        if (const QTableWidgetItem* item = grdMeteo->item(row - 1, c))
            texts[c] = item->text().toStdString();
    return MeteoCellState(texts, column, Units(), MaxSunshine(row));
}

bool TfrmMeteo::Shaded(int column) const {
    // The columns the chosen method does not use.
    if (cbxMethod->currentIndex() == 2)
        return column >= 4 && column <= 8;
    return column == 3 || column == 6 || column == 8;
}

QString TfrmMeteo::FooterText(int section) const {
    return hdrFooter->Text(section);
}

void TfrmMeteo::SetCell(int row, int column, const std::string& text) {
    QTableWidgetItem* item = grdMeteo->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        if (column == 0)
            item->setFlags(Qt::ItemIsEnabled);
        grdMeteo->setItem(row, column, item);
    }
    item->setText(Q(text));
}

void TfrmMeteo::SetGridTexts(const TMeteoGridTexts& texts) {
    filling = true;
    for (int r = 0; r < static_cast<int>(texts.size()) && r < grdMeteo->rowCount(); ++r)
        for (int c = 1; c < kMeteoGridColumns; ++c)
            SetCell(r, c, texts[r][c]);
    filling = false;
    grdMeteo->viewport()->update();
}

void TfrmMeteo::FillRowLabels() {
    const std::vector<std::string> labels = Units().FillPeriodColumn();
    filling = true;
    grdMeteo->setRowCount(Units().NumberOfPeriods());
    for (int r = 0; r < grdMeteo->rowCount(); ++r) {
        SetCell(r, 0, r + 1 < static_cast<int>(labels.size()) ? labels[r + 1] : "");
        for (int c = 1; c < kMeteoGridColumns; ++c)
            if (!grdMeteo->item(r, c))
                SetCell(r, c, "");
    }
    filling = false;
}

void TfrmMeteo::SetUnitCaptions() {
    QString caption = QStringLiteral("Height of windspeed measurements above ground level (%1)");
    lblWHeigth->setText(caption.arg(Q(Units().CurrentUnitLabel(QuantityKind::Length))));
    QStringList headers;
    for (const std::string& text : MeteoColumnCaptions(Units()))
        headers << Q(text);
    grdMeteo->setHorizontalHeaderLabels(headers);
    FillRowLabels();
    LayOut();
}

void TfrmMeteo::LayOut() {
    const int full = FullGridHeight();
    grdMeteo->setMinimumHeight(std::min(full, 3 * kRowHeight + 2 * grdMeteo->frameWidth()));
    grdMeteo->setMaximumHeight(full);
    FitGridWidth();
}

int TfrmMeteo::FullGridHeight() const {
    return (grdMeteo->rowCount() + 1) * kRowHeight + 2 * grdMeteo->frameWidth();
}

void TfrmMeteo::FitGridWidth() {
    // Rows that do not fit scroll: the grid is wider by the scroll bar, so no column is cut.
    int width = 2 * grdMeteo->frameWidth();
    for (int c = 0; c < kMeteoGridColumns; ++c)
        width += grdMeteo->columnWidth(c);
    if (grdMeteo->height() < FullGridHeight())
        width += grdMeteo->verticalScrollBar()->sizeHint().width();
    grdMeteo->setFixedWidth(width);
    hdrGroups->setFixedWidth(width);
    hdrFooter->setFixedWidth(width);
    hdrGroups->update();
    hdrFooter->update();
}

void TfrmMeteo::ShowDefaults() {
    edtWHeigth->setText(Q(std::string("2") + DecimalSeparator() + "0"));
    TMeteoGridTexts empty(grdMeteo->rowCount());
    SetGridTexts(empty);
    hdrFooter->SetText(kMeteoPrecipitationColumn, QStringLiteral("0"));
    edtWHeigth->setPalette(QPalette());
    UpdateDataValid();
}

void TfrmMeteo::ShowRecord() {
    const TMeteo& m = Data().Meteo;
    if (grdMeteo->rowCount() != Units().NumberOfPeriods())
        SetUnitCaptions();
    edtWHeigth->setText(Q(Units().FormatValue(QuantityKind::Length, m.WindHeight)));
    SetGridTexts(MeteoGridTexts(m, Units()));
    hdrFooter->SetText(kMeteoPrecipitationColumn,
                       Q(Units().FormatValue(QuantityKind::Depth, m.AnnualPrecipitation())));
    RefreshRangeHint();
    UpdateDataValid();
    WindHeightCheck();
    UpdateDataValid();
}

void TfrmMeteo::StoreFields(const std::string& fileName) {
    TMeteo& m = Data().Meteo;
    m.FileName = fileName;
    m.WindHeight =
        Units().ParseValue(QuantityKind::Length, EntryNumber(edtWHeigth->text().toStdString()));
    StoreMeteoGridTexts(m, Units(), GridTexts());
}

void TfrmMeteo::CellChanged(QTableWidgetItem* item) {
    if (filling || item->column() == 0)
        return;
    SetModified(true);
    if (IsSpreadPaste(item->text().toStdString())) {
        const int row = item->row();
        const int column = item->column();
        TMeteoGridTexts texts = GridTexts();
        SpreadPastedText(texts, row, column, item->text().toStdString());
        SetGridTexts(texts);
        // An editor still open on the cell must not write the pasted text back.
        if (auto* editor = qobject_cast<QLineEdit*>(
                grdMeteo->indexWidget(grdMeteo->model()->index(row, column))))
            editor->setText(Q(texts[row][column]));
    }
    UpdateTotal();
    UpdateDataValid();
    grdMeteo->viewport()->update();
}

bool TfrmMeteo::SaveRefused() {
    StoreFields(RecordFileName()); // the record as the grid shows it
    return SaveOutOfRangeRefused(OutOfRangeMeteo(Data().Meteo, Units(), &Data().General));
}

void TfrmMeteo::UpdateTotal() {
    hdrFooter->SetText(kMeteoPrecipitationColumn, Q(PrecipitationTotalText(GridTexts())));
}

// The colours and the wind height together say whether the data stand; an empty cell is only
// missing data, which the full check reports.
void TfrmMeteo::UpdateDataValid() {
    const bool valid =
        MeteoGridInRange(GridTexts(), Units(), [this](int row) { return MaxSunshine(row); });
    Data().Meteo.DataValid = valid && WindHeightInRange(WindHeightMetres());
}

double TfrmMeteo::WindHeightMetres() const {
    try {
        return Units().ParseValue(QuantityKind::Length,
                                  EntryNumber(edtWHeigth->text().toStdString()));
    } catch (const TQueltaError&) {
        return -1; // no number: out of range
    }
}

bool TfrmMeteo::WindHeightCheck() {
    const double height = WindHeightMetres();
    const bool valid = WindHeightInRange(height);
    QPalette palette = edtWHeigth->palette();
    palette.setColor(QPalette::Text, valid ? Qt::black : Qt::red);
    palette.setColor(QPalette::Base, Qt::white);
    edtWHeigth->setPalette(palette);
    if (valid)
        Data().Meteo.WindHeight = height;
    else
        Data().Meteo.DataValid = false;
    return valid;
}

void TfrmMeteo::ValidateMeteo() {
    // A grid laid out for another period or unit, or showing another file, is refilled first.
    std::vector<std::string> captions;
    for (int c = 0; c < kMeteoGridColumns; ++c)
        captions.push_back(grdMeteo->horizontalHeaderItem(c)
                               ? grdMeteo->horizontalHeaderItem(c)->text().toStdString()
                               : std::string());
    const TMeteoRowTexts wanted = MeteoColumnCaptions(Units());
    const bool stale = grdMeteo->rowCount() != Units().NumberOfPeriods() ||
                       !std::equal(captions.begin(), captions.end(), wanted.begin()) ||
                       windowTitle() != Q("Meteo data [" + Data().Meteo.FileName + "]");
    if (stale) {
        SetUnitCaptions();
        ShowRecordAndCaption();
    }
    TMeteo& m = Data().Meteo;
    m.DataValid =
        MeteoGridValid(GridTexts(), Units(), [this](int row) { return MaxSunshine(row); });
    if (m.DataValid)
        m.DataValid = WindHeightCheck();
}

bool TfrmMeteo::ShowOwnHint(QWidget* focused) {
    if (focused != grdMeteo && !grdMeteo->isAncestorOf(focused))
        return false;
    ShowGridHint();
    return true;
}

void TfrmMeteo::ShowGridHint() {
    RangeHint()->setText(Q(MeteoRangeHint(focusedColumn, Units())));
}

void TfrmMeteo::FieldKeyReleased(QWidget* field) {
    if (field == edtWHeigth) {
        WindHeightCheck();
        UpdateDataValid();
    }
}

bool TfrmMeteo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grdMeteo && event->type() == QEvent::Resize)
        FitGridWidth(); // a height that no longer holds every row brings the scroll bar
    const bool inGrid = watched == grdMeteo || (watched->parent() == grdMeteo->viewport() &&
                                                qobject_cast<QLineEdit*>(watched) != nullptr);
    if (inGrid) {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (GridKeyPress(watched, static_cast<QKeyEvent*>(event)))
                return true;
            break;
        case QEvent::KeyRelease:
            if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
                StoreFields(RecordFileName());
                UpdateDataValid();
                grdMeteo->viewport()->update();
            }
            break;
        case QEvent::FocusIn:
            if (watched == grdMeteo)
                ShowGridHint();
            break;
        default:
            break;
        }
        return TEditorBase::eventFilter(watched, event);
    }
    if (watched == edtWHeigth && event->type() == QEvent::FocusIn) {
        WindHeightCheck();
        UpdateDataValid();
    }
    return TEditorBase::eventFilter(watched, event);
}

bool TfrmMeteo::GridKeyPress(QObject* watched, QKeyEvent* key) {
    const int code = key->key();
    if (code == Qt::Key_Tab || code == Qt::Key_Backtab)
        return false;
    shortcutKey = IsShortcutKey(key);
    auto* editor = qobject_cast<QLineEdit*>(watched);
    if (shortcutKey && code == Qt::Key_V) {
        Paste(QGuiApplication::clipboard()->text(), editor);
        shortcutKey = false;
        return true;
    }
    if (shortcutKey) {
        shortcutKey = false;
        return false;
    }
    // A spreadsheet habit: Delete empties a cell (Enter going down is the delegate's).
    const int column = grdMeteo->currentColumn();
    if (!editor && (code == Qt::Key_Delete || code == Qt::Key_Backspace) && column >= 1) {
        SetCell(grdMeteo->currentRow(), column, "");
        return true;
    }
    if (!IsTypedCharacter(key))
        return false;
    if (!editor && grdMeteo->currentColumn() < 1)
        return false;
    // A key on a cell that is not being edited starts an edit that replaces the text.
    std::string text;
    int cursor = 0;
    if (editor) {
        QString rest = editor->text();
        cursor = editor->cursorPosition();
        if (editor->hasSelectedText()) {
            cursor = editor->selectionStart();
            rest.remove(cursor, editor->selectedText().size());
        }
        text = rest.toStdString();
    }
    const bool accepted = MeteoCellAcceptsCharacter(column, key->text().at(0).unicode(), text,
                                                    static_cast<std::size_t>(cursor));
    grdMeteo->viewport()->update();
    return !accepted;
}

void TfrmMeteo::Paste(const QString& text, QLineEdit* editor) {
    const int row = std::max(grdMeteo->currentRow(), 0);
    const int column = std::max(grdMeteo->currentColumn(), 1);
    if (grdMeteo->rowCount() == 0 || text.isEmpty())
        return;
    if (!IsSpreadPaste(text.toStdString())) {
        // A single value replaces the cell, or lands at the cursor of the cell being edited.
        QString value = text.trimmed();
        if (editor)
            value = TextAfterPaste(editor, value);
        if (!MeteoCellAcceptsText(column, value.toStdString())) {
            ShowError("Invalid value");
            return;
        }
        SetCell(row, column, value.toStdString());
    } else {
        TMeteoGridTexts texts = GridTexts();
        SpreadPastedText(texts, row, column, text.toStdString());
        SetGridTexts(texts);
        SetModified(true);
        StoreFields(RecordFileName());
        UpdateTotal();
        UpdateDataValid();
    }
    if (editor)
        editor->setText(grdMeteo->item(row, column) ? grdMeteo->item(row, column)->text()
                                                    : QString());
}

void TfrmMeteo::ImportCsv() {
    const std::string name =
        ToolBar()->OpenDialog(Units().MeteoFolder, "CSV files (*.csv)|*.csv|All files (*.*)|*.*");
    if (name.empty())
        return;
    try {
        ImportMeteoCsvFile(name, Units().PeriodKind == 3 ? 0 : Units().PeriodLength,
                           Units().NumberOfPeriods(), Data().Meteo);
    } catch (const std::exception& e) {
        ShowError(std::string("Error in procedure ImportCsv: ") + e.what());
        return;
    }
    ShowRecord();
    SetModified(true);
    Notify();
}

void TfrmMeteo::ImportClimateRecord() {
    const std::string name = ToolBar()->OpenDialog(
        Units().MeteoFolder, "Climate records (*.csv *.txt)|*.csv;*.txt|All files (*.*)|*.*");
    if (name.empty() || !TfrmClimateImport(Data(), name, this).Run())
        return;
    ShowRecord();
    SetModified(true);
    Notify();
}

std::vector<std::string> TfrmMeteo::ClipboardBody() {
    TMeteoRowTexts captions;
    for (int c = 0; c < kMeteoGridColumns; ++c)
        if (const QTableWidgetItem* item = grdMeteo->horizontalHeaderItem(c))
            captions[c] = item->text().toStdString();
    TMeteoRowTexts footer;
    for (int s = 0; s < hdrFooter->Count() && s < kMeteoGridColumns; ++s)
        footer[s] = hdrFooter->Text(s).toStdString();
    return MeteoClipboardBody(lblWHeigth->text().toStdString(), edtWHeigth->text().toStdString(),
                              captions, GridTexts(), footer);
}
