#pragma once

#include "calc/uCropPatternRules.h"
#include "ui/fEditorBase.h"

class QHeaderView;
class QLineEdit;
class QTableWidget;

// "Cropping pattern": the crops of the project (at most 40) with their areas and planting dates,
// and the Kc of fallow and permanent non-irrigated land, edited in TAllData::CropPattern. Crops
// are added and edited through the modal crop dialog, which refuses a crop that would make the
// cropped area exceed the irrigable area; the editor keeps the daily cropped area of the pattern
// it shows for that check.
class TfrmCropPattern : public TEditorBase {
    Q_OBJECT
public:
    TfrmCropPattern(TAllData& data, QWidget* owner);

    QHeaderView* hdrCropPattern; // the sections above the grid
    QTableWidget* grdCropPattern;
    QHeaderView* hdrFooter; // "Total" and the total area below the grid
    QLineEdit* edtKcFallow;
    QLineEdit* edtKcPermanent;

    void AddCrop();
    void EditCrop();
    void DeleteCrop();
    // The grid row selected, 1..40 as the crops are numbered; 0 when none.
    int SelectedRow() const;
    const TDailyArea& DailyArea() const { return dailyArea; }

protected:
    void SetUnitCaptions() override;
    void ShowDefaults() override;
    void ShowRecord() override;
    void StoreFields(const std::string& fileName) override;
    std::vector<std::string> ClipboardBody() override;

private:
    TDailyArea dailyArea{};

    void BuildFields();
    void StoreKcValues();
    void EmptyGrid();
    void ShowFooter();
    void UpdateCropActions();
    // Runs the crop dialog on line CurrentLine; true when the crop was saved to the pattern.
    // otherCrops: the daily area the crop is checked against (without the edited crop).
    bool RunCropDialog(const std::string& mode, const TDailyArea& otherCrops);
};
