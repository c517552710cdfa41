#include "ui/fReportData.h"

#include "calc/uReportTables.h"
#include "core/cFileIO.h"
#include "core/cNumberFormat.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "ui/fChart.h"
#include "ui/fReportCWR.h"
#include "ui/fReportGrid.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using K = TReportTableKind;

// Room around a header's text, so neighbouring captions do not run together.
constexpr int kCellPadding = 18;
// Where the column marker stands inside its header section.
constexpr int kMarkerIndent = 4;

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
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
    actExportCsv = new QAction(QStringLiteral("Export CSV..."), this);
    actExportCsv->setObjectName(QStringLiteral("actExportCsv"));
    actExportCsv->setToolTip(QStringLiteral("Save the table shown as a CSV file"));
    connect(actExportCsv, &QAction::triggered, this, &TfrmReportData::ExportCsv);
    ToolBar->ToolBar->insertAction(ToolBar->actChart, actExportCsv);
    mnuMain = new QMenuBar(this);
    mnuFile = mnuMain->addMenu(QStringLiteral("&File"));
    mnuFile->addActions({ToolBar->CopyToClipboard, actExportCsv, ToolBar->actChart, textReport});
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
    // Digits only; a number out of range is drawn red rather than refused, so it can be
    // corrected key by key.
    edtDays->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), edtDays));
    edtDays->setMaximumWidth(50);
    edtDays->setToolTip(QString::fromUtf8(kReportDaysHint));
    updDays = new TUpDown(edtDays, kMinReportDays, kMaxReportDays);
    lblDaysHint = new QLabel(QString::fromUtf8(kReportDaysHint));
    lblDaysHint->setObjectName(QStringLiteral("lblDaysHint"));
    lblDaysHint->hide();
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
    row->addWidget(lblDaysHint);
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
    connect(edtDays, &QLineEdit::textEdited, this, &TfrmReportData::TakeDays);
    connect(updDays, &TUpDown::Clicked, this, &TfrmReportData::TakeDays);
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

    // The group captions, the marker strip, the header bar, the grid and the totals line scroll
    // sideways together under one scroll bar; each leaves room on the right while the grid
    // shows a vertical scroll bar.
    pnlGroups = new QWidget;
    pnlGroups->setObjectName(QStringLiteral("pnlGroups"));
    pnlGroups->setFixedHeight(fontMetrics().height() + 6);
    pnlGroups->hide();
    pnlMarker = new QWidget;
    lblMarker = new QLabel(pnlMarker);
    lblMarker->setObjectName(QStringLiteral("lblMarker"));
    lblMarker->setFont(Bold(lblMarker->font()));
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
    grdTable = new TReportGridView("grdTable", TReportTableModel::TPart::Cells);
    grdTable->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grdTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    cellWidths = std::make_unique<TTextWidths>(Bold(grdTable->font()));
    grdTotals = new TReportGridView("grdTotals", TReportTableModel::TPart::Totals);
    grdTotals->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdTotals->setFixedHeight(grdTotals->verticalHeader()->defaultSectionSize() + 2);
    grdTotals->setFocusPolicy(Qt::NoFocus);
    grdTotals->setFont(Bold(grdTotals->font()));
    grdTotals->hide();
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
        PlaceGroups();
    });

    pnlTable = new QFrame;
    pnlTable->setFrameShape(QFrame::StyledPanel);
    auto* column = new QVBoxLayout(pnlTable);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);
    const int barWidth = grdTable->verticalScrollBar()->sizeHint().width();
    for (QWidget* part :
         {pnlGroups, pnlMarker, static_cast<QWidget*>(hdrTable), static_cast<QWidget*>(grdTable),
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
    lblDaysHint->setVisible(other && daysOutOfRange);
    lblCrop->setVisible(model.CropSelectionVisible());
    cbxCrop->setVisible(model.CropSelectionVisible());
    cbxCrop->setCurrentIndex(model.CropEntry());
    pnlRainfall->setVisible(model.CurrentTable() == K::WaterRequirements);
    cbxRainfall->setCurrentIndex(model.RainfallEntry());
    tabTables->setCurrentIndex(static_cast<int>(model.CurrentTable()));
    displaying = false;
    if (model.TableRevision() != shownRevision)
        DisplayTable();
}

// The number of days takes effect only within its range; out of it the field turns red, shows
// the range beside it, and the table keeps its period.
void TfrmReportData::TakeDays() {
    const std::string text = edtDays->text().toStdString();
    const bool valid = !text.empty() && text.size() <= 4 && model.SetDays(TextToInt(text));
    daysOutOfRange = !valid;
    QPalette colours = edtDays->palette();
    colours.setColor(QPalette::Text, valid ? palette().color(QPalette::Text) : QColor(Qt::red));
    edtDays->setPalette(colours);
    Display();
}

void TfrmReportData::DisplayTable() {
    const TReportTable& t = model.Table();
    shownRevision = model.TableRevision();
    grdTable->setUpdatesEnabled(false);
    const QFont bold = Bold(grdTable->font());
    const QBrush shaded = palette().brush(QPalette::AlternateBase);
    const QBrush plain = palette().brush(QPalette::Base);
    grdTable->TableModel()->Show(t, bold, plain, shaded);
    grdTotals->TableModel()->Show(t, bold, plain, shaded);
    grdTotals->setVisible(!t.Totals.empty());
    SizeColumns();
    grdTable->setMaximumHeight(t.Rows() * grdTable->verticalHeader()->defaultSectionSize() + 2);
    DisplayHeader();
    DisplayGroups();
    DisplayInfo();
    grdTable->setUpdatesEnabled(true);
    LayOutNow();
}

// Lays the window out at once, scroll bars and all, so a refresh is drawn once, in its final
// geometry, instead of again when each posted layout request comes in.
void TfrmReportData::LayOutNow() {
    // Inner layouts first: their new sizes are what the outer ones arrange.
    std::vector<std::pair<int, QLayout*>> layouts;
    for (QWidget* w : findChildren<QWidget*>()) {
        if (!w->layout())
            continue;
        int depth = 0;
        for (QWidget* p = w; p != this; p = p->parentWidget())
            ++depth;
        layouts.push_back({depth, w->layout()});
    }
    std::stable_sort(layouts.begin(), layouts.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    // Twice: the grid's scroll ranges follow its new size, and a scroll bar shown or hidden
    // changes the sizes again.
    for (int pass = 0; pass < 2; ++pass) {
        grdTable->doItemsLayout();
        grdTotals->doItemsLayout();
        for (const auto& [depth, inner] : layouts)
            inner->activate();
        layout()->activate();
    }
}

QString TfrmReportData::MarkerText(int section) const {
    const TReportTable& t = model.Table();
    return QStringLiteral("\u25BC ") +
           (section < static_cast<int>(t.Header.size()) ? Q(t.Header[section]) : QString());
}

void TfrmReportData::SizeColumns() {
    const TReportTable& t = model.Table();
    columnWidths = ReportColumnWidths(t, *cellWidths);
    const int sections = std::min(static_cast<int>(t.Header.size()), t.Columns());
    auto widen = [this](int first, int last, int needed) {
        int width = 0;
        for (int c = first; c <= last; ++c)
            width += columnWidths[c];
        if (needed > width) {
            const int count = last - first + 1;
            for (int c = first; c <= last; ++c)
                columnWidths[c] += (needed - width + count - 1) / count;
        }
    };
    // A header section wider than its columns widens them.
    const QFontMetrics headerMetrics(hdrTable->font());
    for (int s = 0; s < sections; ++s) {
        const auto [first, last] = ColumnsOfSection(s);
        if (first <= last)
            widen(first, last, headerMetrics.horizontalAdvance(Q(t.Header[s])) + 2 * kCellPadding);
    }
    // The marker's caption may run over the sections to its right, but not past the table's
    // end: the last section widens for it.
    const QFontMetrics markerMetrics(lblMarker->font());
    int needed = 0;
    for (int s = 1; s < sections; ++s) {
        int start = 0;
        for (int c = 0; c < ColumnsOfSection(s).first; ++c)
            start += columnWidths[c];
        needed = std::max(needed, start + 2 * kMarkerIndent +
                                      markerMetrics.horizontalAdvance(MarkerText(s)));
    }
    if (sections > 1) {
        const auto [first, last] = ColumnsOfSection(sections - 1);
        int before = 0;
        for (int c = 0; c < first; ++c)
            before += columnWidths[c];
        widen(first, last, needed - before);
    }
    // The grids hear of the widths when they are laid out at the end of the refresh, not once
    // per column a moment after it is drawn.
    for (TReportGridView* grid : {grdTable, grdTotals}) {
        const QSignalBlocker quiet(grid->horizontalHeader());
        for (int c = 0; c < t.Columns(); ++c)
            grid->setColumnWidth(c, columnWidths[c]);
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

void TfrmReportData::DisplayGroups() {
    const TReportTable& t = model.Table();
    while (groupLabels.size() < t.Groups.size()) {
        auto* label = new QLabel(pnlGroups);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::StyledPanel);
        groupLabels.push_back(label);
    }
    for (std::size_t g = 0; g < groupLabels.size(); ++g) {
        if (g < t.Groups.size())
            SetText(groupLabels[g], t.Groups[g].Caption);
        groupLabels[g]->setVisible(g < t.Groups.size());
    }
    pnlGroups->setVisible(!t.Groups.empty());
    PlaceGroups();
}

void TfrmReportData::PlaceGroups() {
    const TReportTable& t = model.Table();
    const int offset = grdTable->horizontalScrollBar()->value();
    const int columns = static_cast<int>(columnWidths.size());
    for (std::size_t g = 0; g < t.Groups.size() && g < groupLabels.size(); ++g) {
        int x = 0, width = 0;
        for (int c = 0; c < columns && c <= t.Groups[g].LastColumn; ++c)
            (c < t.Groups[g].FirstColumn ? x : width) += columnWidths[c];
        groupLabels[g]->setGeometry(x - offset, 0, width, pnlGroups->height());
    }
}

void TfrmReportData::DisplayInfo() {
    const TReportTable& t = model.Table();
    // The labels stay from table to table; only their texts change.
    const int lines = static_cast<int>(t.Info.size());
    while (static_cast<int>(infoLabels.size()) < 3 * lines) {
        const int line = static_cast<int>(infoLabels.size()) / 3;
        auto* caption = new QLabel;
        auto* value = new QLabel;
        auto* unit = new QLabel;
        value->setFont(Bold(value->font()));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        infoLayout->addWidget(caption, line, 0);
        infoLayout->addWidget(value, line, 1);
        infoLayout->addWidget(unit, line, 2);
        infoLabels.insert(infoLabels.end(), {caption, value, unit});
    }
    for (int i = 0; i < static_cast<int>(infoLabels.size()) / 3; ++i) {
        if (i < lines) {
            SetText(infoLabels[3 * i], t.Info[i].Caption);
            SetText(infoLabels[3 * i + 1], t.Info[i].Value);
            SetText(infoLabels[3 * i + 2], t.Info[i].Unit);
        }
        for (int part = 0; part < 3; ++part)
            infoLabels[3 * i + part]->setVisible(i < lines);
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
    lblMarker->setText(section < sections ? MarkerText(section) : QStringLiteral("\u25BC "));
    lblMarker->adjustSize();
    PlaceMarker();
}

void TfrmReportData::PlaceMarker() {
    const int section = MarkedSection();
    if (section >= hdrTable->count()) {
        lblMarker->hide();
        return;
    }
    lblMarker->move(hdrTable->sectionViewportPosition(section) + kMarkerIndent, 2);
    lblMarker->show();
}

// ---- commands ----

void TfrmReportData::CopyToClipboard() {
    QGuiApplication::clipboard()->setText(Q(model.ClipboardText()));
}

void TfrmReportData::ExportCsv() {
    const std::string proposed = ChangeFileExt(exportedName, "");
    const std::string name = ToolBar->SaveDialog(
        settings.ReportFolder, "CSV files (*.csv)|*.csv|All files (*.*)|*.*", proposed);
    if (name.empty())
        return;
    const std::string file = FileExtension(name).empty() ? name + ".csv" : name;
    try {
        SaveFileAtomically(file, ReportTableCsv(model.Table()));
        exportedName = file;
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
}

void TfrmReportData::ShowTextReport() {
    const TReportText report = model.TextReport();
    Display();
    reportWindow.ShowReport(report);
}

TChartInput TfrmReportData::ChartInput() {
    TChartInput chart = model.Chart(std::max(ColumnsOfSection(MarkedSection()).first, 1));
    if (model.TableRevision() != shownRevision)
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
