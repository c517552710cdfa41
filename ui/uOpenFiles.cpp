#include "ui/uOpenFiles.h"

#include "core/cFileIO.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "ui/fEditorBase.h"
#include "ui/fQueltaMain.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

#include <cctype>
#include <cerrno>
#include <cstring>

TFileKind FileKindOf(const std::string& fileName) {
    std::string ext = FileExtension(fileName);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".gen")
        return TFileKind::General;
    if (ext == ".mtf")
        return TFileKind::Meteo;
    if (ext == ".udc" || ext == ".crp")
        return TFileKind::CropFactor;
    if (ext == ".pat")
        return TFileKind::CropPattern;
    if (ext == ".str")
        return TFileKind::Strategy;
    return TFileKind::Unknown;
}

TFileOpener::TFileOpener(TfrmQueltaMain& m) : QObject(&m), main(m) {
    // A modal window that closes lets the waiting files go on.
    qApp->installEventFilter(this);
}

TFileOpener::~TFileOpener() {
    qApp->removeEventFilter(this);
}

void TFileOpener::Open(const QStringList& files) {
    for (const QString& file : files)
        queue << QFileInfo(file).absoluteFilePath();
    OpenQueued();
}

bool TFileOpener::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && !queue.isEmpty() && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        // Checked once the window's own code has gone on: it may open the next modal window.
        if (widget->isWindow() && widget->windowModality() != Qt::NonModal)
            QTimer::singleShot(0, this, &TFileOpener::OpenQueued);
    }
    return QObject::eventFilter(watched, event);
}

void TFileOpener::OpenQueued() {
    // Opening shows messages, which run their own event loop; files that arrive meanwhile join
    // the queue of this call.
    if (opening)
        return;
    opening = true;
    while (!queue.isEmpty() && !QApplication::activeModalWidget()) {
        const std::string file = queue.takeFirst().toStdString();
        try {
            OpenOne(file);
        } catch (const std::exception& e) {
            ShowError(e.what());
        }
    }
    opening = false;
}

void TFileOpener::OpenOne(const std::string& fileName) {
    const TFileKind kind = FileKindOf(fileName);
    if (kind == TFileKind::Unknown) {
        ShowError("Cannot open " + fileName +
                  ". Quelta opens general data (.gen), meteo data (.mtf), crop factors (.udc, "
                  ".crp), cropping patterns (.pat) and strategies (.str).");
        return;
    }
    if (!FileExists(fileName)) {
        ShowError("Error in procedure Load: Cannot open file \"" + fileName + "\". " +
                  std::strerror(ENOENT));
        return;
    }
    using TSlot = TfrmQueltaMain::TEditorSlot;
    switch (kind) {
    case TFileKind::General:
        if (TEditorBase* editor = main.Editor(TSlot::General))
            editor->OpenFile(fileName);
        break;
    case TFileKind::Meteo:
        if (TEditorBase* editor = main.Editor(TSlot::Meteo))
            editor->OpenFile(fileName);
        break;
    case TFileKind::CropFactor:
        if (TEditorBase* editor = main.Editor(TSlot::CropFactor))
            editor->OpenFile(fileName);
        break;
    case TFileKind::CropPattern:
        // The same checks as the menu item: the pattern editor needs the site and its weather.
        if (TEditorBase* editor = main.Editor(TSlot::CropPattern);
            editor && main.CropPatternAllowed())
            editor->OpenFile(fileName);
        break;
    case TFileKind::Strategy:
        OpenStrategy(fileName);
        break;
    case TFileKind::Unknown:
        break;
    }
}

void TFileOpener::OpenStrategy(const std::string& fileName) {
    TAllData& data = main.AllData();
    std::string missing;
    auto need = [&missing](bool present, const char* what) {
        if (!present)
            missing += std::string(missing.empty() ? "" : ", ") + what;
    };
    need(!data.General.FileName.empty(), "general data");
    need(!data.Meteo.FileName.empty(), "meteo data");
    need(!data.CropPattern.FileName.empty(), "a cropping pattern");
    if (!missing.empty()) {
        ShowInformation("The strategy " + FileNamePart(fileName) +
                        " opens in the strategy window when general data, meteo data and a "
                        "cropping pattern are loaded. Load first: " +
                        missing + ".");
        return;
    }
    // The strategy window reads its record from this file as it opens, with the action's checks.
    data.Strategy.FileName = fileName;
    main.actStrategy->trigger();
}
