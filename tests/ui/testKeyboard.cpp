// Keyboard use of every window: Tab walks the fields in reading order, Escape closes a dialog.

#include "UiTestSupport.h"

#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "support/ReportTestProject.h"
#include "ui/fAbout.h"
#include "ui/fChart.h"
#include "ui/fCropFactor.h"
#include "ui/fCropPattern.h"
#include "ui/fCropPatternLine.h"
#include "ui/fGeneral.h"
#include "ui/fMeteo.h"
#include "ui/fMultiChart.h"
#include "ui/fReportCWR.h"
#include "ui/fReportData.h"
#include "ui/fSettings.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

namespace {

// The widgets a Tab press reaches, in the order Tab visits them.
std::vector<QWidget*> TabChain(QWidget* window) {
    std::vector<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (w->window() == window && w->isVisibleTo(window) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            chain.push_back(w);
        if (chain.size() > 500)
            break;
    }
    return chain;
}

// Fields are read group by group; within a group from the top, each row from the left.
QWidget* Group(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QGroupBox*>(p) || p->isWindow())
            return p;
    return nullptr;
}

QString Name(const QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromUtf8(w->metaObject()->className())
                                     : w->objectName();
}

// Where Tab goes against reading order, or leaves a group and comes back to it.
std::vector<std::string> OutOfOrder(QWidget* window) {
    std::vector<std::string> faults;
    const std::vector<QWidget*> chain = TabChain(window);
    std::set<QWidget*> leftGroups;
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget* a = chain[i - 1];
        QWidget* b = chain[i];
        const QString pair = Name(a) + QStringLiteral(" -> ") + Name(b);
        if (Group(a) != Group(b)) {
            leftGroups.insert(Group(a));
            if (leftGroups.count(Group(b)))
                faults.push_back("back into a group: " + pair.toStdString());
            continue;
        }
        const QRect ra(a->mapTo(window, QPoint(0, 0)), a->size());
        const QRect rb(b->mapTo(window, QPoint(0, 0)), b->size());
        const bool sameRow = std::abs(ra.center().y() - rb.center().y()) <
                             std::min(ra.height(), rb.height()) / 2 + 1;
        // Down a form, along a row, or on to a field further right (the Kc fields along their
        // curve); never back up and to the left.
        const bool next = sameRow ? rb.left() > ra.left()
                                  : rb.center().y() > ra.center().y() || rb.left() > ra.right();
        if (!next)
            faults.push_back("against reading order: " + pair.toStdString());
    }
    return faults;
}

struct TKeyboardCase {
    const char* Name;
    std::function<std::unique_ptr<QWidget>(TAllData&, TfrmReportCWR&)> Make;
    bool Dialog; // Escape closes it
};

// A data editor as the File menu shows it.
template <class T>
std::unique_ptr<QWidget> Editor(TAllData& data) {
    auto editor = std::make_unique<T>(data, nullptr);
    editor->ShowEditor();
    return editor;
}

template <class T, class... A>
std::unique_ptr<QWidget> Make(A&&... args) {
    return std::make_unique<T>(std::forward<A>(args)...);
}

const TKeyboardCase kWindows[] = {
    {"general", [](TAllData& d, TfrmReportCWR&) { return Editor<TfrmGeneral>(d); }, false},
    {"meteo", [](TAllData& d, TfrmReportCWR&) { return Editor<TfrmMeteo>(d); }, false},
    {"crop factor", [](TAllData& d, TfrmReportCWR&) { return Editor<TfrmCropFactor>(d); }, false},
    {"cropping pattern", [](TAllData& d, TfrmReportCWR&) { return Editor<TfrmCropPattern>(d); },
     false},
    {"crop dialog",
     [](TAllData& d, TfrmReportCWR&) {
         static const TDailyArea noOtherCrops{};
         d.CropPattern.CurrentLine = 1;
         auto w = std::make_unique<TfrmCropPatternLine>(d, noOtherCrops, nullptr);
         w->ShowLine("Edit");
         return std::unique_ptr<QWidget>(std::move(w));
     },
     true},
    {"settings",
     [](TAllData& d, TfrmReportCWR&) { return Make<TfrmSettings>(d.GuiSettings, nullptr); }, true},
    {"about", [](TAllData&, TfrmReportCWR&) { return Make<TfrmAbout>(nullptr); }, true},
    {"report data",
     [](TAllData& d, TfrmReportCWR& r) {
         auto w = std::make_unique<TfrmReportData>(d, r, nullptr);
         w->Open();
         return std::unique_ptr<QWidget>(std::move(w));
     },
     true},
    {"report text", [](TAllData&, TfrmReportCWR&) { return std::unique_ptr<QWidget>(); }, true},
    {"chart", [](TAllData& d, TfrmReportCWR&) { return Make<TfrmChart>(d.GuiSettings, nullptr); },
     true},
    {"multi chart",
     [](TAllData& d, TfrmReportCWR&) { return Make<TfrmMultiChart>(d.GuiSettings, nullptr); },
     true},
};

class Keyboard : public ::testing::TestWithParam<TKeyboardCase> {
protected:
    TMessageRecorder messages;
    TAllData data;
    TfrmReportCWR reportWindow{data.GuiSettings, nullptr};

    void SetUp() override { JuneMaize(data, "Month"); }

    // The window under test; the report text window is the one every report writes into.
    QWidget* Open(std::unique_ptr<QWidget>& owned) {
        owned = GetParam().Make(data, reportWindow);
        QWidget* window = owned ? owned.get() : &reportWindow;
        window->show();
        QApplication::processEvents();
        return window;
    }
};

} // namespace

TEST_P(Keyboard, TabFollowsReadingOrder) {
    std::unique_ptr<QWidget> owned;
    QWidget* window = Open(owned);
    EXPECT_FALSE(TabChain(window).empty());
    EXPECT_EQ(OutOfOrder(window), std::vector<std::string>{});
}

TEST_P(Keyboard, EscapeClosesADialog) {
    std::unique_ptr<QWidget> owned;
    QWidget* window = Open(owned);
    window->activateWindow();
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(window->isVisible(), !GetParam().Dialog);
    EXPECT_TRUE(messages.Messages().empty()); // nothing changed, nothing to ask
}

INSTANTIATE_TEST_SUITE_P(Windows, Keyboard, ::testing::ValuesIn(kWindows), [](const auto& info) {
    std::string name = info.param.Name;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
});
