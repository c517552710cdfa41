#include "ui/fReportData.h"

#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "ui/fChart.h"
#include "ui/fReportCWR.h"
#include "ui/fToolBar.h"
#include "ui/fUpDown.h"
#include "ui/uQtText.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using K = TReportTableKind;

// Room around a cell's text, so neighbouring numbers do not run together.
constexpr int kCellPadding = 18;

QTableWidgetItem* CellItem(QTableWidget* grid, int row, int column) {
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    return item;
}

QTableWidget* MakeGrid(const char* name) {
    auto* grid = new QTableWidget;
    grid->setObjectName(QString::fromUtf8(name));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setWordWrap(false);
    grid->setFrameShape(QFrame::NoFrame);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    return grid;
}

} // namespace

TfrmReportData::TfrmReportData(TAllData& allData, TfrmReportCWR& report, QWidget* owner)
    : QDialog(owner), reportWindow(report), settings(allData.GuiSettings), model(allData) {
    setObjectName(QStringLiteral("frmReportData"));
    setWindowTitle(QStringLiteral("Report data"));

    ToolBar = new TfrmToolBar(this);
    QAction* textReport = ToolBar->actShowReport;
    textReport->setText(QStringLiteral("Report"));
    textReport->setToolTip(QStringLiteral("Create irrigation water requirements report"));
    textReport->setStatusTip(textReport->toolTip());
    ToolBar->actChart->setText(QStringLiteral("Chart"));
    ToolBar->ShowOnly(
        {ToolBar->CopyToClipboard, ToolBar->actChart, textReport, ToolBar->FileExit1});
    connect(ToolBar->CopyToClipboard, &QAction::triggered, this, &TfrmReportData::CopyToClipboard);
    connect(ToolBar->actChart, &QAction::triggered, this, &TfrmReportData::ShowChart);
    connect(textReport, &QAction::triggered, this, &TfrmReportData::ShowTextReport);
    connect(ToolBar->FileExit1, &QAction::triggered, this, &QDialog::close);
    mnuMain = new QMenuBar(this);
    mnuFile = mnuMain->addMenu(QStringLiteral("&File"));
    mnuFile->addActions({ToolBar->CopyToClipboard, ToolBar->actChart, textReport});
    mnuFile->addSeparator();
    mnuFile->addAction(ToolBar->FileExit1);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(mnuMain);
    layout->addWidget(ToolBar);
    layout->addWidget(BuildSelections());
    layout->addWidget(BuildTableArea(), 1);
    layout->addWidget(BuildBottomPanel());
    resize(1120, 700);
}

TfrmReportData::~TfrmReportData() {
    if (opened && !closed)
        model.CloseReport();
}

QWidget* TfrmReportData::BuildSelections() {
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    cbxMethod = new QComboBox;
    cbxMethod->setObjectName(QStringLiteral("cbxMethod"));
    for (TEt0Method m : {TEt0Method::PenmanMonteith, TEt0Method::ModPenman, TEt0Method::Hargreaves})
        cbxMethod->addItem(Q(Et0MethodName(m)));
    cbxPeriod = new QComboBox;
    cbxPeriod->setObjectName(QStringLiteral("cbxPeriod"));
    for (const std::string& choice : TReportModel::PeriodChoices())
        cbxPeriod->addItem(Q(choice));
    lblDays = new QLabel(QStringLiteral("Number of Days:"));
    edtDays = new QLineEdit(QStringLiteral("10"));
    edtDays->setObjectName(QStringLiteral("edtDays"));
    edtDays->setValidator(new QIntValidator(0, 365, edtDays));
    edtDays->setMaximumWidth(50);
    updDays = new TUpDown(edtDays, 2, 365);
    lblCrop = new QLabel(QStringLiteral("Selected crop:"));
    cbxCrop = new QComboBox;
    cbxCrop->setObjectName(QStringLiteral("cbxCrop"));
    cbxCrop->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cbxCrop->setMinimumContentsLength(14);

    row->addWidget(new QLabel(QStringLiteral("Method:")));
    row->addWidget(cbxMethod);
    row->addSpacing(16);
    row->addWidget(new QLabel(QStringLiteral("Calculation period:")));
    row->addWidget(cbxPeriod);
    row->addSpacing(16);
    row->addWidget(lblDays);
    row->addWidget(edtDays);
    row->addWidget(updDays);
    row->addSpacing(16);
    row->addWidget(lblCrop);
    row->addWidget(cbxCrop);
    row->addStretch(1);

    connect(cbxMethod, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (displaying || index < 0)
            return;
        model.SelectMethod(static_cast<TEt0Method>(index));
        Display();
    });
    connect(cbxPeriod, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (displaying || index < 0)
            return;
        model.SelectPeriod(index);
        Display();
    });
    const auto takeDays = [this] {
        model.SetDays(TextToInt(edtDays->text().toStdString()));
        Display();
    };
    connect(edtDays, &QLineEdit::textEdited, this, takeDays);
    connect(updDays, &TUpDown::Clicked, this, takeDays);
    connect(cbxCrop, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (displaying || index < 0)
            return;
        model.SelectCrop(index);
        Display();
    });
    return panel;
}

QWidget* TfrmReportData::BuildTableArea() {
    tabTables = new QTabBar;
    tabTables->setObjectName(QStringLiteral("tabTables"));
    tabTables->setExpanding(false);
    tabTables->setUsesScrollButtons(false); // all six tables in sight
    for (int k = 0; k < kReportTableCount; ++k)
        tabTables->addTab(Q(ReportTableCaption(static_cast<K>(k))));
    connect(tabTables, &QTabBar::currentChanged, this, [this](int index) {
        if (displaying || index < 0)
            return;
        model.ShowTable(static_cast<K>(index));
        Display();
    });

    // The marker strip, the header bar, the grid and the totals line scroll sideways together
    // under one scroll bar; each leaves room on the right while the grid shows a vertical scroll
    // bar.
    pnlMarker = new QWidget;
    lblMarker = new QLabel(pnlMarker);
    lblMarker->setObjectName(QStringLiteral("lblMarker"));
    QFont bold = lblMarker->font();
    bold.setBold(true);
    lblMarker->setFont(bold);
    pnlMarker->setFixedHeight(lblMarker->fontMetrics().height() + 4);
    headerModel = new QStandardItemModel(this);
    hdrTable = new QHeaderView(Qt::Horizontal);
    hdrTable->setObjectName(QStringLiteral("hdrTable"));
    hdrTable->setModel(headerModel);
    hdrTable->setSectionsClickable(true);
    hdrTable->setSectionResizeMode(QHeaderView::Fixed);
    hdrTable->setHighlightSections(false);
    hdrTable->setDefaultAlignment(Qt::AlignCenter);
    connect(hdrTable, &QHeaderView::sectionClicked, this, [this](int section) {
        if (section > 0)
            MarkSection(section);
    });
    grdTable = MakeGrid("grdTable");
    grdTable->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grdTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grdTotals = MakeGrid("grdTotals");
    grdTotals->setObjectName(QStringLiteral("grdTotals"));
    grdTotals->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdTotals->setRowCount(1);
    grdTotals->setFixedHeight(grdTotals->verticalHeader()->defaultSectionSize() + 2);
    grdTotals->setFocusPolicy(Qt::NoFocus);
    QFont totalsFont = grdTotals->font();
    totalsFont.setBold(true);
    grdTotals->setFont(totalsFont);
    sbrTable = new QScrollBar(Qt::Horizontal);
    sbrTable->setObjectName(QStringLiteral("sbrTable"));
    sbrTable->setRange(0, 0);
    sbrTable->hide();

    QScrollBar* gridBar = grdTable->horizontalScrollBar();
    connect(gridBar, &QScrollBar::rangeChanged, this, [this, gridBar](int min, int max) {
        sbrTable->setRange(min, max);
        sbrTable->setPageStep(gridBar->pageStep());
        sbrTable->setSingleStep(20);
        sbrTable->setVisible(max > min);
    });
    connect(sbrTable, &QScrollBar::valueChanged, gridBar, &QScrollBar::setValue);
    connect(gridBar, &QScrollBar::valueChanged, this, [this](int x) {
        sbrTable->setValue(x);
        hdrTable->setOffset(x);
        grdTotals->horizontalScrollBar()->setValue(x);
        PlaceMarker();
    });

    pnlTable = new QFrame;
    pnlTable->setFrameShape(QFrame::StyledPanel);
    auto* column = new QVBoxLayout(pnlTable);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);
    const int barWidth = grdTable->verticalScrollBar()->sizeHint().width();
    for (QWidget* part :
         {pnlMarker, static_cast<QWidget*>(hdrTable), static_cast<QWidget*>(grdTable),
          static_cast<QWidget*>(grdTotals), static_cast<QWidget*>(sbrTable)}) {
        auto* line = new QHBoxLayout;
        line->setSpacing(0);
        line->addWidget(part, 1);
        if (part != grdTable && part != sbrTable) {
            auto* room = new QWidget;
            room->setFixedWidth(barWidth);
            room->hide();
            line->addWidget(room);
            barRoom.push_back(room);
        }
        column->addLayout(line, part == grdTable ? 1 : 0);
    }
    connect(grdTable->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int max) {
        for (QWidget* room : barRoom)
            room->setVisible(max > 0);
        FitTableWidth();
    });

    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabTables);
    auto* row = new QHBoxLayout;
    row->addWidget(pnlTable, 1);
    row->addStretch(0); // what a narrow table leaves
    // The frame hugs a short table, its totals line right under it; a long one scrolls.
    layout->addLayout(row, 0);
    layout->addStretch(1);
    return widget;
}

QWidget* TfrmReportData::BuildBottomPanel() {
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 4, 0, 0);
    pnlInfo = new QWidget;
    pnlInfo->setObjectName(QStringLiteral("pnlInfo"));
    infoLayout = new QGridLayout(pnlInfo);
    infoLayout->setContentsMargins(0, 0, 0, 0);
    infoLayout->setHorizontalSpacing(10);
    row->addWidget(pnlInfo, 0, Qt::AlignTop);
    row->addStretch(1);

    pnlRainfall = new QWidget;
    auto* rain = new QVBoxLayout(pnlRainfall);
    rain->setContentsMargins(0, 0, 0, 0);
    rain->addWidget(new QLabel(QStringLiteral("Calculation method for effective rainfall")));
    cbxRainfall = new QComboBox;
    cbxRainfall->setObjectName(QStringLiteral("cbxRainfall"));
    rain->addWidget(cbxRainfall);
    connect(cbxRainfall, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (displaying || index < 0)
            return;
        model.SelectRainfallMethod(index);
        Display();
    });
    row->addWidget(pnlRainfall, 0, Qt::AlignTop);
    row->addSpacing(16);
    lblNotes = new QLabel;
    lblNotes->setObjectName(QStringLiteral("lblNotes"));
    lblNotes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row->addWidget(lblNotes, 0, Qt::AlignTop);
    return panel;
}

// ---- lifecycle ----

void TfrmReportData::OpenReport() {
    if (opened)
        return;
    opened = true;
    model.OpenReport();
    displaying = true;
    cbxCrop->clear();
    for (const std::string& crop : model.CropList())
        cbxCrop->addItem(Q(crop));
    cbxRainfall->clear();
    for (const std::string& method : model.RainfallList())
        cbxRainfall->addItem(Q(method));
    edtDays->setText(QString::number(model.Days()));
    const std::vector<K> available = model.AvailableTables();
    for (int k = 0; k < kReportTableCount; ++k)
        tabTables->setTabVisible(
            k, std::find(available.begin(), available.end(), static_cast<K>(k)) != available.end());
    displaying = false;
    Display();
}

void TfrmReportData::Open() {
    OpenReport();
    show();
    Activate();
}

void TfrmReportData::Execute() {
    setWindowModality(Qt::ApplicationModal);
    Open();
    if (isVisible())
        exec();
}

// The first activation tells the user when the cropped area does not fit; the crop tables are
// hidden then.
void TfrmReportData::Activate() {
    if (activated || !opened)
        return;
    activated = true;
    if (model.AreaExceeded())
        ShowError(model.AreaExceededMessage());
}

bool TfrmReportData::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        Activate();
    return QDialog::event(e);
}

void TfrmReportData::done(int result) {
    if (opened && !closed) {
        closed = true;
        model.CloseReport();
    }
    QDialog::done(result);
}

// ---- display ----

void TfrmReportData::Display() {
    displaying = true;
    cbxMethod->setCurrentIndex(static_cast<int>(model.Method()));
    cbxPeriod->setCurrentIndex(model.PeriodChoice());
    cbxPeriod->setEnabled(!model.PeriodLocked());
    const bool other = model.PeriodChoice() == 3;
    for (QWidget* w : {static_cast<QWidget*>(lblDays), static_cast<QWidget*>(edtDays),
                       static_cast<QWidget*>(updDays)})
        w->setVisible(other);
    lblCrop->setVisible(model.CropSelectionVisible());
    cbxCrop->setVisible(model.CropSelectionVisible());
    cbxCrop->setCurrentIndex(model.CropEntry());
    pnlRainfall->setVisible(model.CurrentTable() == K::WaterRequirements);
    cbxRainfall->setCurrentIndex(model.RainfallEntry());
    tabTables->setCurrentIndex(static_cast<int>(model.CurrentTable()));
    displaying = false;
    DisplayTable();
}

void TfrmReportData::DisplayTable() {
    const TReportTable& t = model.Table();
    grdTable->setUpdatesEnabled(false);
    grdTable->setRowCount(t.Rows());
    grdTable->setColumnCount(t.Columns());
    QFont bold = grdTable->font();
    bold.setBold(true);
    const QBrush shaded = palette().brush(QPalette::AlternateBase);
    const QBrush plain = palette().brush(QPalette::Base);
    // The units row, the Kc table's area row and the crop evapotranspiration's year row stand
    // out from the periods.
    const int lastPeriodRow = t.Kind == K::PotentialET ? t.Rows() - 2 : t.Rows() - 1;
    for (int r = 0; r < t.Rows(); ++r) {
        const bool period = r >= t.FirstPeriodRow() && r <= lastPeriodRow;
        for (int c = 0; c < t.Columns(); ++c) {
            QTableWidgetItem* item = CellItem(grdTable, r, c);
            item->setText(Q(t.ShownText(r, c)));
            item->setTextAlignment(c == 0   ? Qt::AlignLeft | Qt::AlignVCenter
                                   : r == 0 ? Qt::AlignCenter
                                            : Qt::AlignRight | Qt::AlignVCenter);
            item->setFont(period ? grdTable->font() : bold);
            item->setBackground(period ? plain : shaded);
        }
    }
    grdTotals->setVisible(!t.Totals.empty());
    grdTotals->setColumnCount(t.Columns());
    for (int c = 0; c < t.Columns(); ++c) {
        QTableWidgetItem* item = CellItem(grdTotals, 0, c);
        item->setText(c < static_cast<int>(t.Totals.size()) ? Q(t.Totals[c].Text) : QString());
        item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                      : Qt::AlignRight | Qt::AlignVCenter);
        item->setBackground(shaded);
    }
    SizeColumns();
    grdTable->setMaximumHeight(t.Rows() * grdTable->verticalHeader()->defaultSectionSize() + 2);
    grdTable->updateGeometry();
    DisplayHeader();
    DisplayInfo();
    grdTable->setUpdatesEnabled(true);
}

void TfrmReportData::SizeColumns() {
    const TReportTable& t = model.Table();
    QFont boldFont = grdTable->font();
    boldFont.setBold(true);
    const QFontMetrics metrics(boldFont); // the widest a cell's text gets
    columnWidths.assign(t.Columns(), 0);
    for (int c = 0; c < t.Columns(); ++c) {
        int width = 0;
        for (int r = 0; r < t.Rows(); ++r)
            width = std::max(width, metrics.horizontalAdvance(grdTable->item(r, c)->text()));
        if (c < static_cast<int>(t.Totals.size()))
            width = std::max(width, metrics.horizontalAdvance(Q(t.Totals[c].Text)));
        columnWidths[c] = std::max(width + kCellPadding, 60);
    }
    // A header section wider than its columns widens them.
    const QFontMetrics headerMetrics(hdrTable->font());
    for (int s = 0; s < static_cast<int>(t.Header.size()); ++s) {
        const auto [first, last] = ColumnsOfSection(s);
        if (first > last)
            continue;
        int width = 0;
        for (int c = first; c <= last; ++c)
            width += columnWidths[c];
        const int needed = headerMetrics.horizontalAdvance(Q(t.Header[s])) + 2 * kCellPadding;
        if (needed > width) {
            const int count = last - first + 1;
            for (int c = first; c <= last; ++c)
                columnWidths[c] += (needed - width + count - 1) / count;
        }
    }
    for (int c = 0; c < t.Columns(); ++c) {
        grdTable->setColumnWidth(c, columnWidths[c]);
        grdTotals->setColumnWidth(c, columnWidths[c]);
    }
    FitTableWidth();
}

void TfrmReportData::FitTableWidth() {
    int width = 0;
    for (int w : columnWidths)
        width += w;
    if (grdTable->verticalScrollBar()->maximum() > 0)
        width += grdTable->verticalScrollBar()->sizeHint().width();
    pnlTable->setMaximumWidth(width + 2 * pnlTable->frameWidth() + 2); // + the layout's margins
}

std::pair<int, int> TfrmReportData::ColumnsOfSection(int section) const {
    const TReportTable& t = model.Table();
    const int sections = static_cast<int>(t.Header.size());
    if (section < 0 || section >= sections || section >= t.Columns())
        return {0, -1};
    return {section, section == sections - 1 ? t.Columns() - 1 : section};
}

void TfrmReportData::DisplayHeader() {
    const TReportTable& t = model.Table();
    const int sections = static_cast<int>(t.Header.size());
    headerModel->setColumnCount(sections);
    for (int s = 0; s < sections; ++s) {
        headerModel->setHeaderData(s, Qt::Horizontal, Q(t.Header[s]));
        const auto [first, last] = ColumnsOfSection(s);
        int width = 0;
        for (int c = first; c <= last; ++c)
            width += columnWidths[c];
        hdrTable->resizeSection(s, std::max(width, 1));
    }
    hdrTable->setFixedHeight(hdrTable->sizeHint().height());
    hdrTable->setOffset(grdTable->horizontalScrollBar()->value());
    MarkSection(markedSection[static_cast<int>(t.Kind)]);
}

void TfrmReportData::DisplayInfo() {
    const TReportTable& t = model.Table();
    while (QLayoutItem* item = infoLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (int i = 0; i < static_cast<int>(t.Info.size()); ++i) {
        const TInfoLine& info = t.Info[i];
        auto* value = new QLabel(Q(info.Value));
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        infoLayout->addWidget(new QLabel(Q(info.Caption)), i, 0);
        infoLayout->addWidget(value, i, 1);
        infoLayout->addWidget(new QLabel(Q(info.Unit)), i, 2);
    }
    QString notes;
    for (const std::string& note : t.Notes)
        notes += (notes.isEmpty() ? QString() : QStringLiteral("\n")) + Q(note);
    lblNotes->setText(notes);
    lblNotes->setVisible(!notes.isEmpty());
}

// ---- the column marker ----

int TfrmReportData::MarkedSection() const {
    return markedSection[static_cast<int>(model.CurrentTable())];
}

void TfrmReportData::MarkSection(int section) {
    const TReportTable& t = model.Table();
    const int sections = std::min(static_cast<int>(t.Header.size()), t.Columns());
    section = std::clamp(section, 1, std::max(1, sections - 1));
    markedSection[static_cast<int>(t.Kind)] = section;
    lblMarker->setText(QStringLiteral("\u25BC ") +
                       (section < sections ? Q(t.Header[section]) : QString()));
    lblMarker->adjustSize();
    PlaceMarker();
}

void TfrmReportData::PlaceMarker() {
    const int section = MarkedSection();
    if (section >= hdrTable->count()) {
        lblMarker->hide();
        return;
    }
    lblMarker->move(hdrTable->sectionViewportPosition(section) + 4, 2);
    lblMarker->show();
}

// ---- commands ----

void TfrmReportData::CopyToClipboard() {
    QGuiApplication::clipboard()->setText(Q(model.ClipboardText()));
}

void TfrmReportData::ShowTextReport() {
    const TReportText report = model.TextReport();
    Display();
    reportWindow.ShowReport(report);
}

TChartInput TfrmReportData::ChartInput() {
    TChartInput chart = model.Chart(std::max(ColumnsOfSection(MarkedSection()).first, 1));
    DisplayTable();
    return chart;
}

void TfrmReportData::ShowChart() {
    TChartInput input;
    try {
        input = ChartInput();
    } catch (const std::exception& e) {
        ShowError(std::string("Error in procedure ShowChart: ") + e.what());
        return;
    }
    ShowReportChart(input, settings, this);
}

void RunReportWindow(TAllData& data, TfrmReportCWR& reportWindow, QWidget* owner) {
    TfrmReportData window(data, reportWindow, owner);
    window.Execute();
}
