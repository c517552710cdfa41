#include "ui/fCropPattern.h"

#include "core/cGuiSettings.h"
#include "core/cNumberEntry.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "ui/fCropPatternLine.h"
#include "ui/fToolBar.h"
#include "ui/platform/pWindowMessages.h"
#include "ui/uQtText.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 5;
const int kColumnWidths[kColumns] = {130, 90, 90, 120, 320};

TEditorValues CropPatternValues() {
    TEditorValues v;
    v.CaptionFormat = "Cropping pattern [%s]";
    v.ClipboardTitle = "Cropping Pattern";
    v.OpenFilter = "Cropping pattern files (*.pat)|*.pat|All files (*.*)|*.*";
    v.Extension = ".pat";
    v.Folder = &TGuiSettings::PatternFolder;
    v.Notifications = {WM_REFRESH_MAIN};
    v.RefreshMessage = WM_REFRESH_PATTERN;
    return v;
}

// A header bar of fixed sections showing texts; its sections follow the grid's columns.
QHeaderView* MakeHeaderBar(const char* name, int sections, QWidget* parent) {
    auto* model = new QStandardItemModel(0, sections, parent);
    auto* bar = new QHeaderView(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromUtf8(name));
    bar->setModel(model);
    bar->setSectionsClickable(false);
    bar->setSectionResizeMode(QHeaderView::Fixed);
    bar->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    bar->setFixedHeight(bar->sizeHint().height());
    return bar;
}

void SetSections(QHeaderView* bar, const std::vector<std::string>& texts) {
    auto* model = static_cast<QStandardItemModel*>(bar->model());
    for (int i = 0; i < static_cast<int>(texts.size()) && i < model->columnCount(); ++i)
        model->setHeaderData(i, Qt::Horizontal, Q(texts[i]));
}

} // namespace

TfrmCropPattern::TfrmCropPattern(TAllData& data, QWidget* owner)
    : TEditorBase(CropPatternValues(), AccessTo(data.CropPattern), data, owner) {
    setObjectName(QStringLiteral("TfrmCropPattern"));
    TfrmToolBar* strip = ToolBar();
    strip->ShowOnly({strip->FileNew1, strip->FileOpen1, strip->FileSave1, strip->FileSaveAs1,
                     strip->CopyToClipboard, strip->PatternLineAdd, strip->PatternLineDelete,
                     strip->PatternLineEdit});
    connect(strip->PatternLineAdd, &QAction::triggered, this, &TfrmCropPattern::AddCrop);
    connect(strip->PatternLineEdit, &QAction::triggered, this, &TfrmCropPattern::EditCrop);
    connect(strip->PatternLineDelete, &QAction::triggered, this, &TfrmCropPattern::DeleteCrop);
    BuildFields();

    WatchTextField(grdCropPattern);
    WatchNumberField(edtKcFallow, TNumberEntry::Decimal);
    WatchNumberField(edtKcPermanent, TNumberEntry::Decimal);
    // The typed Kc values belong to the pattern at once, like every other field: showing the
    // pattern again after a crop is added, or closing without saving, must not lose them.
    for (QLineEdit* field : {edtKcFallow, edtKcPermanent})
        connect(field, &QLineEdit::textEdited, this, &TfrmCropPattern::StoreKcValues);
    SetTabOrder({grdCropPattern, edtKcFallow, edtKcPermanent});

    SetUnitCaptions();
    ShowDefaults();
    SetModified(false);
    resize(860, 560);
}

void TfrmCropPattern::BuildFields() {
    grdCropPattern = new QTableWidget(TCropPattern::kMaxCrops, kColumns, Body());
    grdCropPattern->setObjectName(QStringLiteral("grdCropPattern"));
    grdCropPattern->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCropPattern->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdCropPattern->setSelectionMode(QAbstractItemView::SingleSelection);
    grdCropPattern->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grdCropPattern->verticalHeader()->hide();
    grdCropPattern->verticalHeader()->setDefaultSectionSize(grdCropPattern->fontMetrics().height() +
                                                            6);
    QHeaderView* captions = grdCropPattern->horizontalHeader();
    captions->setSectionsClickable(false);
    captions->setHighlightSections(false);
    captions->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    captions->setStretchLastSection(true);
    for (int row = 0; row < TCropPattern::kMaxCrops; ++row)
        for (int col = 0; col < kColumns; ++col)
            grdCropPattern->setItem(row, col, new QTableWidgetItem);
    grdCropPattern->setMinimumSize(620, 260);

    hdrCropPattern = MakeHeaderBar("hdrCropPattern", kColumns, Body());
    hdrFooter = MakeHeaderBar("hdrFooter", 2, Body());
    SetSections(hdrCropPattern, PatternHeaderSections());
    // The bars above and below keep the widths and the scroll position of the grid's columns.
    connect(captions, &QHeaderView::sectionResized, this, [this](int col, int, int size) {
        hdrCropPattern->resizeSection(col, size);
        if (col < hdrFooter->count())
            hdrFooter->resizeSection(col, size);
    });
    connect(grdCropPattern->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int offset) {
                hdrCropPattern->setOffset(offset);
                hdrFooter->setOffset(offset);
            });
    for (int col = 0; col < kColumns; ++col)
        grdCropPattern->setColumnWidth(col, kColumnWidths[col]);

    connect(grdCropPattern, &QTableWidget::cellDoubleClicked, this, [this] { EditCrop(); });
    connect(grdCropPattern, &QTableWidget::currentCellChanged, this,
            [this] { UpdateCropActions(); });
    grdCropPattern->setCurrentCell(0, 0);

    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const int frame = grdCropPattern->frameWidth();
    auto addBar = [layout, frame](QHeaderView* bar) {
        auto* row = new QHBoxLayout;
        row->setContentsMargins(frame, 0, frame, 0);
        row->addWidget(bar);
        layout->addLayout(row);
    };
    addBar(hdrCropPattern);
    layout->addWidget(grdCropPattern, 1);
    addBar(hdrFooter);
    layout->addSpacing(10);

    auto* kc = new QGridLayout;
    edtKcFallow = new QLineEdit;
    edtKcFallow->setObjectName(QStringLiteral("edtKcFallow"));
    edtKcPermanent = new QLineEdit;
    edtKcPermanent->setObjectName(QStringLiteral("edtKcPermanent"));
    kc->addWidget(new QLabel(QStringLiteral("KcValue fallow land")), 0, 0);
    kc->addWidget(edtKcFallow, 0, 1);
    kc->addWidget(new QLabel(QStringLiteral("Kc Value permanent non irrigated area")), 1, 0);
    kc->addWidget(edtKcPermanent, 1, 1);
    for (QLineEdit* field : {edtKcFallow, edtKcPermanent})
        field->setFixedWidth(70);
    kc->setHorizontalSpacing(12); // the long caption must not touch its field
    kc->setColumnStretch(2, 1);
    layout->addLayout(kc);
}

void TfrmCropPattern::SetUnitCaptions() {
    QStringList captions;
    for (const std::string& caption : PatternGridCaptions(Units()))
        captions << Q(caption);
    grdCropPattern->setHorizontalHeaderLabels(captions);
}

int TfrmCropPattern::SelectedRow() const {
    return grdCropPattern->currentRow() + 1;
}

void TfrmCropPattern::UpdateCropActions() {
    const int row = SelectedRow();
    const bool onCrop = row >= 1 && row <= Data().CropPattern.Count();
    ToolBar()->PatternLineEdit->setEnabled(onCrop);
    ToolBar()->PatternLineDelete->setEnabled(onCrop);
}

void TfrmCropPattern::EmptyGrid() {
    for (int row = 0; row < TCropPattern::kMaxCrops; ++row)
        for (int col = 0; col < kColumns; ++col)
            grdCropPattern->item(row, col)->setText(QString());
    dailyArea.fill(0);
}

void TfrmCropPattern::ShowFooter() {
    SetSections(hdrFooter, PatternFooterSections(Data().CropPattern, Units()));
}

void TfrmCropPattern::ShowDefaults() {
    const TCropPattern& pattern = Data().CropPattern;
    EmptyGrid();
    ShowFooter();
    // New keeps the pattern's Kc values, so the fields show them.
    edtKcFallow->setText(Q(FormatPatternKc(pattern.KcFallow)));
    edtKcPermanent->setText(Q(FormatPatternKc(pattern.KcPermanent)));
    PatternCropsFound = true;
    UpdateCropActions();
}

void TfrmCropPattern::ShowRecord() {
    TCropPattern& pattern = Data().CropPattern;
    if (!PatternCropsFound) {
        // A crop factor file was missing when the pattern was read: nothing of it is kept.
        pattern.Clear();
        EmptyGrid();
        ShowFooter();
        PatternCropsFound = true;
        UpdateCaption();
        UpdateCropActions();
        return;
    }
    EmptyGrid();
    UpdateCaption();
    edtKcFallow->setText(Q(FormatPatternKc(pattern.KcFallow)));
    edtKcPermanent->setText(Q(FormatPatternKc(pattern.KcPermanent)));
    for (int i = 1; i <= pattern.Count(); ++i) {
        const std::vector<std::string> cells = PatternGridRow(pattern.GetCropLine(i), Units());
        for (int col = 0; col < kColumns; ++col)
            grdCropPattern->item(i - 1, col)->setText(Q(cells[col]));
    }
    ShowFooter();
    try {
        dailyArea = CalcPatternDailyArea(Data());
    } catch (const std::exception& e) {
        ShowError(std::string("Error in procedure ShowRecord: ") + e.what());
        dailyArea = DailyCroppedArea(pattern);
    }
    UpdateCropActions();
}

void TfrmCropPattern::StoreFields(const std::string& fileName) {
    Data().CropPattern.FileName = fileName;
    StoreKcValues();
}

void TfrmCropPattern::StoreKcValues() {
    TCropPattern& pattern = Data().CropPattern;
    const std::string fallow = edtKcFallow->text().toStdString();
    const std::string permanent = edtKcPermanent->text().toStdString();
    if (IsEntryNumber(fallow))
        pattern.KcFallow = EntryNumber(fallow);
    if (IsEntryNumber(permanent))
        pattern.KcPermanent = EntryNumber(permanent);
}

std::vector<std::string> TfrmCropPattern::ClipboardBody() {
    return PatternClipboardBody(Data().CropPattern, Units());
}

bool TfrmCropPattern::RunCropDialog(const std::string& mode, const TDailyArea& otherCrops) {
    TfrmCropPatternLine dialog(Data(), otherCrops, this);
    return dialog.ShowFormModal(mode);
}

void TfrmCropPattern::AddCrop() {
    TCropPattern& pattern = Data().CropPattern;
    if (pattern.Count() == TCropPattern::kMaxCrops) {
        ShowInformation(kTooManyCrops);
        return;
    }
    pattern.AddCropLine();
    pattern.CurrentLine = pattern.Count();
    if (RunCropDialog("Add", dailyArea)) {
        ShowRecordAndCaption();
        SetModified(true);
    } else {
        pattern.DeleteCropLine(pattern.Count());
    }
}

void TfrmCropPattern::EditCrop() {
    TCropPattern& pattern = Data().CropPattern;
    const int row = SelectedRow();
    if (row < 1 || row > pattern.Count())
        return;
    pattern.CurrentLine = row;
    // The dialog works on the line itself; a cancelled edit leaves the crop as it was.
    const TCropPatternLine before = pattern.GetCropLine(row);
    if (RunCropDialog("Edit", DailyAreaWithoutLine(dailyArea, pattern, row))) {
        ShowRecordAndCaption();
        SetModified(true);
    } else {
        pattern.SetCropLine(row, before);
    }
}

void TfrmCropPattern::DeleteCrop() {
    TCropPattern& pattern = Data().CropPattern;
    const int row = SelectedRow();
    if (row < 1 || row > pattern.Count())
        return;
    if (AskUser(TMessageKind::Confirmation, "Delete row?", TMessageButtons::OkCancel) !=
        TMessageAnswer::Ok)
        return;
    pattern.DeleteCropLine(row);
    EmptyGrid();
    ShowRecordAndCaption();
    SetModified(true);
}
