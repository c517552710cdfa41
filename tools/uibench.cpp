// How long the windows take to answer what a person does, offscreen, on the largest project the
// program takes: the Seville example with 40 crops and a daily calculation period. Every action
// is timed from the user's click or key until the window has laid itself out and painted (all
// posted events delivered), ROUNDS rounds of REPEATS each; the table gives the median and the
// worst of all of them.
//   build/tools/uibench [ROUNDS [REPEATS]]
// With UIBENCH_SAMPLES=FILE every timing is also appended to FILE, so that runs of two builds
// taken in turn can be put side by side:
//   build/tools/uibench --compare BEFORE_FILE AFTER_FILE

#include "calc/uCurveNumber.h"
#include "calc/uStrategyProject.h"
#include "calc/uStrategyReport.h"
#include "core/cUserMessages.h"
#include "data/cAllData.h"
#include "ui/fChart.h"
#include "ui/fCropFactor.h"
#include "ui/fCropPattern.h"
#include "ui/fGeneral.h"
#include "ui/fMeteo.h"
#include "ui/fQueltaMain.h"
#include "ui/fReportCWR.h"
#include "ui/fReportData.h"
#include "ui/fStrategy.h"
#include "ui/fStrategyGrid.h"
#include "ui/fToolBar.h"
#include "ui/uStartUp.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kApp = QUELTA_APP_DIR;

// Lets every posted event (layout requests, paints) be delivered, as a running event loop would.
void Settle() {
    for (int pass = 0; pass < 5; ++pass)
        QApplication::processEvents();
}

// The Seville example with a full pattern of 40 crops (the supplied crop files in turn, 20 ha
// each, planting days spread over the year) and a daily calculation period.
bool LoadProject(TAllData& data) {
    if (!data.General.Load(kApp + "/General/Seville.gen") ||
        !data.Meteo.Load(kApp + "/Meteo/Seville.mtf") ||
        !data.CropPattern.Load(kApp + "/Pattern/Seville.pat")) {
        std::fprintf(stderr, "cannot load the Seville example from %s\n", kApp.c_str());
        return false;
    }
    data.General.CalcPeriod = "Day";
    SetDerivedGeneralValues(data.General);
    static const char* const crops[] = {
        "Alfalfa",     "Barley",     "BeanDry",     "Cabbage",    "Citrus",    "Cotton",
        "GrapesTable", "GrapesWine", "Groundnut",   "Maize",      "Onion",     "Pepper",
        "Potato",      "Rice",       "Sorghum",     "Soybean",    "SugarBeet", "SugarcaneRatoon",
        "Sunflower",   "Tomato",     "WheatSpring", "WheatWinter"};
    TCropPattern& pattern = data.CropPattern;
    for (int c = 1; c <= pattern.Count(); ++c)
        pattern.GetCropLine(c).Area = 20;
    for (int i = 0; pattern.Count() < 40; ++i) {
        const std::string file = kApp + "/Crop/" + crops[i % 22] + ".crp";
        TCropPatternLine& line = pattern.AddCropLine();
        if (!line.Load(file)) {
            std::fprintf(stderr, "cannot load %s\n", file.c_str());
            return false;
        }
        line.CropFileName = file;
        line.Area = 20;
        line.PlantingDay = 1 + (i * 10) % 365;
    }
    data.GuiSettings.SetPeriodKind(1);
    return true;
}

// Counts window repaints; with UIBENCH_PROFILE set also how long each kind of
// widget spends in which events, to see where a slow action goes.
class TProfilingApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        // Window repaints, as the table counts them per action.
        if (event->type() == QEvent::UpdateRequest)
            ++paints;
        if (!profile)
            return QApplication::notify(receiver, event);
        // Named before the event: it may delete its receiver.
        const std::string key =
            std::string(receiver->metaObject()->className()) + " " + std::to_string(event->type());
        QElapsedTimer clock;
        clock.start();
        const bool result = QApplication::notify(receiver, event);
        auto& [ms, count] = spent[key];
        ms += clock.nsecsElapsed() / 1e6;
        ++count;
        return result;
    }
    void Print() const {
        std::vector<std::pair<std::pair<double, int>, std::string>> sorted;
        for (const auto& [key, spentOn] : spent)
            sorted.push_back({spentOn, key});
        std::sort(sorted.rbegin(), sorted.rend());
        for (std::size_t i = 0; i < sorted.size() && i < 25; ++i)
            std::fprintf(stderr, "%10.1f ms %7d x  %s (event type)\n", sorted[i].first.first,
                         sorted[i].first.second, sorted[i].second.c_str());
    }
    const bool profile = qEnvironmentVariableIsSet("UIBENCH_PROFILE");
    static inline int paints = 0;

private:
    std::map<std::string, std::pair<double, int>> spent; // ms, events
};

struct TResult {
    std::string Name;
    std::vector<double> Ms;     // wall-clock time
    std::vector<double> CpuMs;  // processor time of all the program's threads
    std::vector<double> Paints; // window repaints in the action
};

// Processor time of the whole program: what a refresh costs when it has the cores to itself,
// whatever else the machine is doing.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

class TBench {
public:
    TBench(int rounds, int repeats) : rounds(rounds), repeats(repeats) {}

    // prepare puts the window in the state before the action (not timed); act is the action.
    void Time(const std::string& name, const std::function<void()>& prepare,
              const std::function<void()>& act) {
        TResult& r = Result(name);
        for (int i = 0; i < Repeats(name); ++i) {
            prepare();
            Settle();
            const int paints = TProfilingApplication::paints;
            const double cpu = CpuMs();
            QElapsedTimer clock;
            clock.start();
            act();
            Settle();
            r.Ms.push_back(clock.nsecsElapsed() / 1e6);
            r.CpuMs.push_back(CpuMs() - cpu);
            r.Paints.push_back(TProfilingApplication::paints - paints);
        }
    }

    // A window that opens modally: timed from the action until it is shown and painted; then it
    // is closed.
    template <class TWindow>
    void TimeModal(const std::string& name, const std::function<void()>& prepare,
                   const std::function<void()>& act) {
        TResult& r = Result(name);
        for (int i = 0; i < Repeats(name); ++i) {
            prepare();
            Settle();
            QElapsedTimer clock;
            double ms = -1, cpu = CpuMs();
            QTimer poll;
            poll.setInterval(0);
            QObject::connect(&poll, &QTimer::timeout, [&] {
                auto* window = qobject_cast<TWindow*>(QApplication::activeModalWidget());
                if (!window || !window->isVisible())
                    return;
                poll.stop();
                Settle();
                ms = clock.nsecsElapsed() / 1e6;
                cpu = CpuMs() - cpu;
                window->close();
            });
            poll.start();
            cpu = CpuMs();
            clock.start();
            act();
            poll.stop();
            if (ms < 0) {
                std::fprintf(stderr, "%s: the window did not open\n", name.c_str());
                failed = true;
                return;
            }
            r.Ms.push_back(ms);
            r.CpuMs.push_back(cpu);
            Settle();
        }
    }

    int Rounds() const { return rounds; }
    bool Failed() const { return failed; }

    // Appends every timing as a line "action TAB ms TAB CPU ms TAB repaints" (-1: not counted).
    void AppendSamples(const std::string& file) const {
        std::ofstream out(file, std::ios::app);
        for (const TResult& r : results)
            for (std::size_t i = 0; i < r.Ms.size(); ++i)
                out << r.Name << '\t' << r.Ms[i] << '\t' << r.CpuMs[i] << '\t'
                    << (i < r.Paints.size() ? r.Paints[i] : -1) << '\n';
    }

    void Print() const {
        std::printf("| action | median ms | worst ms | CPU median ms | CPU worst ms | repaints |\n"
                    "|---|---|---|---|---|---|\n");
        for (const TResult& r : results) {
            if (r.Ms.empty())
                continue;
            std::printf("| %s | %.1f | %.1f | %.1f | %.1f | %s |\n", r.Name.c_str(), Median(r.Ms),
                        *std::max_element(r.Ms.begin(), r.Ms.end()), Median(r.CpuMs),
                        *std::max_element(r.CpuMs.begin(), r.CpuMs.end()),
                        r.Paints.empty() ? "" : std::to_string(int(Median(r.Paints))).c_str());
        }
    }

private:
    int rounds;
    int repeats;
    bool failed = false;
    // For a profiler: UIBENCH_FOCUS=part-of-a-name repeats those actions 200 times.
    const QString focus = qEnvironmentVariable("UIBENCH_FOCUS");

    int Repeats(const std::string& name) const {
        return !focus.isEmpty() && QString::fromStdString(name).contains(focus) ? 200 : repeats;
    }
    std::vector<TResult> results;

    TResult& Result(const std::string& name) {
        for (TResult& r : results)
            if (r.Name == name)
                return r;
        results.push_back({name, {}, {}, {}});
        return results.back();
    }
};

void ClickTab(QTabBar* tabs, int index) {
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

bool editFailed = false;

// Opens an editor on a cell of a grid, as a double click would, and returns it.
QWidget* EditCell(QAbstractItemView* grid, int row, int column) {
    const QModelIndex index = grid->model()->index(row, column);
    grid->setCurrentIndex(index);
    grid->edit(index);
    Settle();
    QWidget* editor = grid->indexWidget(index);
    if (!editor) {
        std::fprintf(stderr, "no editor on %s (%d, %d)\n", qPrintable(grid->objectName()), row,
                     column);
        editFailed = true;
    }
    return editor;
}

void BenchReport(TBench& bench, TfrmQueltaMain& main) {
    TAllData& data = main.AllData();
    auto* reportWindow = main.findChild<TfrmReportCWR*>();
    using K = TReportTableKind;
    std::unique_ptr<TfrmReportData> report;
    auto close = [&] {
        if (report)
            report->close();
        report.reset();
        Settle();
    };
    bench.Time("report window: open (daily)", close, [&] {
        report = std::make_unique<TfrmReportData>(data, *reportWindow, &main);
        report->resize(1120, 700);
        report->Open();
    });
    TfrmReportData& w = *report;
    auto tab = [&w](K kind) {
        return [&w, kind] { ClickTab(w.tabTables, static_cast<int>(kind)); };
    };
    auto period = [&w](int choice) {
        return [&w, choice] { w.cbxPeriod->setCurrentIndex(choice); };
    };

    bench.Time("report: tab to Kc values (367 x 41 cells)", tab(K::ReferenceET), tab(K::KcValues));
    bench.Time("report: tab to potential evapotranspiration", tab(K::ReferenceET),
               tab(K::PotentialET));
    bench.Time(
        "report: period to Day (potential ET tab)",
        [&] {
            tab(K::PotentialET)();
            period(2)();
        },
        period(0));
    int method = 0;
    bench.Time(
        "report: method change (potential ET tab)", [&] { tab(K::PotentialET)(); },
        [&] { w.cbxMethod->setCurrentIndex(method = (method + 1) % 3); });
    bench.Time("report: tab to the non-irrigated table", tab(K::ReferenceET), tab(K::NonIrrigated));
    bench.Time("report: tab to the water requirements", tab(K::ReferenceET),
               tab(K::WaterRequirements));
    bench.TimeModal<TChartWindow>("chart of the 40-crop Kc table: open", tab(K::KcValues),
                                  [&w] { w.ToolBar->actChart->trigger(); });
    bench.TimeModal<TChartWindow>("chart of the cropped area: open", tab(K::CroppedArea),
                                  [&w] { w.ToolBar->actChart->trigger(); });
    bench.TimeModal<TfrmReportCWR>("text report window: open", tab(K::KcValues),
                                   [&w] { w.ToolBar->actShowReport->trigger(); });
    close();
}

void BenchStrategy(TBench& bench, TfrmQueltaMain& main) {
    TAllData& data = main.AllData();
    data.Strategy.FileName = kApp + "/Strategy/Seville-field-data.str";
    TStrategySources sources;
    sources.Project = [&data](int m) { return StrategyProjectOf(data, m); };
    sources.ReportHeader = [&data] { return StrategyReportHeader(data); };
    std::unique_ptr<TfrmStrategy> strategy;
    auto close = [&] {
        if (strategy) {
            strategy->SetModified(false);
            strategy->close();
        }
        strategy.reset();
        Settle();
    };
    bench.Time("strategy window: open", close, [&] {
        strategy = std::make_unique<TfrmStrategy>(data, sources, &main);
        strategy->resize(1100, 720);
        strategy->Open();
    });
    TfrmStrategy& w = *strategy;
    bench.Time(
        "strategy window: page to Water Balance",
        [&w] { w.ShowPage(TStrategyPage::WaterBalanceStrategy); },
        [&w] { ClickTab(w.pgcWaterBalance->tabBar(), 0); });
    bench.Time(
        "strategy window: page to ETa input",
        [&w] { w.ShowPage(TStrategyPage::WaterRequirementET); },
        [&w] { ClickTab(w.pgcWaterRequirement->tabBar(), 0); });
    int method = 0;
    bench.Time(
        "strategy window: method change (Water Balance page)",
        [&w] { w.ShowPage(TStrategyPage::WaterBalance); },
        [&] { w.cbxMethod->setCurrentIndex(method = (method + 1) % 3); });
    bench.Time(
        "strategy window: method change (comparison page)",
        [&w] { w.ShowPage(TStrategyPage::Comparison); },
        [&] { w.cbxMethod->setCurrentIndex(method = (method + 1) % 3); });

    // A key in the user's depleted fraction of March, then one in the ETa of March.
    QWidget* editor = nullptr;
    bench.Time(
        "strategy window: key typed in a grid (user DF)",
        [&] {
            w.ShowPage(TStrategyPage::WaterBalanceStrategy);
            editor = EditCell(w.grdStrategy, 3, StrategyColumn::DFUser);
            if (editor) {
                QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(editor, QStringLiteral("0.5"));
            }
        },
        [&] {
            if (editor)
                QTest::keyClick(editor, Qt::Key_5);
        });
    bench.Time(
        "strategy window: key typed in a grid (ETa)",
        [&] {
            w.ShowPage(TStrategyPage::InputETa);
            editor = EditCell(w.grdInputETa, 3, InputETaColumn::ETa);
            if (editor) {
                QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(editor, QStringLiteral("8"));
            }
        },
        [&] {
            if (editor)
                QTest::keyClick(editor, Qt::Key_5);
        });
    close();
    data.Strategy.Clear();
}

void BenchEditors(TBench& bench, TfrmQueltaMain& main) {
    auto opens = [&bench](QWidget* editor, const std::string& name,
                          const std::function<void()>& show) {
        bench.Time(
            name + ": open", [editor] { editor->hide(); }, show);
        editor->hide();
        Settle();
    };
    for (auto* e : main.findChildren<TfrmGeneral*>())
        opens(e, "general editor", [e] { e->ShowEditor(); });
    for (auto* e : main.findChildren<TfrmCropPattern*>())
        opens(e, "cropping pattern editor (40 crops)", [e] { e->ShowEditor(); });
    for (auto* e : main.findChildren<TfrmCropFactor*>())
        opens(e, "crop factor editor", [e] { e->ShowEditor(); });
    for (auto* e : main.findChildren<TfrmMeteo*>()) {
        opens(e, "meteo editor (daily)", [e] { e->ShowEditor(); });
        e->ShowEditor();
        Settle();
        // A key in the maximum temperature of day 100.
        QWidget* editor = nullptr;
        bench.Time(
            "meteo editor: key typed in the daily grid (365 rows)",
            [&] {
                editor = EditCell(e->grdMeteo, 99, 2);
                if (editor) {
                    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClicks(editor, QStringLiteral("2"));
                }
            },
            [&] {
                if (editor)
                    QTest::keyClick(editor, Qt::Key_5);
            });
        e->SetModified(false);
        e->hide();
        Settle();
    }
}

// The samples of a file of UIBENCH_SAMPLES lines, by action in the order first met.
std::vector<TResult> ReadSamples(const std::string& file) {
    std::vector<TResult> results;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string name;
        double ms = 0, cpu = 0, paints = -1;
        if (!std::getline(fields, name, '\t') || !(fields >> ms >> cpu >> paints))
            continue;
        auto found = std::find_if(results.begin(), results.end(),
                                  [&](const TResult& r) { return r.Name == name; });
        if (found == results.end())
            found = results.insert(results.end(), {name, {}, {}, {}});
        found->Ms.push_back(ms);
        found->CpuMs.push_back(cpu);
        if (paints >= 0)
            found->Paints.push_back(paints);
    }
    return results;
}

// The table of two sample files: median and worst before and after, wall-clock and processor
// time, and the repaints.
int Compare(const std::string& beforeFile, const std::string& afterFile) {
    const std::vector<TResult> before = ReadSamples(beforeFile);
    const std::vector<TResult> after = ReadSamples(afterFile);
    if (before.empty() || after.empty()) {
        std::fprintf(stderr, "no samples in %s or %s\n", beforeFile.c_str(), afterFile.c_str());
        return 1;
    }
    std::printf("| action | before: median / worst ms | CPU | after: median / worst ms | CPU | "
                "repaints before / after |\n|---|---|---|---|---|---|\n");
    for (const TResult& a : after) {
        const auto b = std::find_if(before.begin(), before.end(),
                                    [&](const TResult& r) { return r.Name == a.Name; });
        auto cells = [](const TResult& r) {
            char text[96];
            std::snprintf(text, sizeof text, "%.1f / %.1f | %.1f / %.1f", Median(r.Ms),
                          *std::max_element(r.Ms.begin(), r.Ms.end()), Median(r.CpuMs),
                          *std::max_element(r.CpuMs.begin(), r.CpuMs.end()));
            return std::string(text);
        };
        auto paints = [](const TResult& r) {
            return r.Paints.empty() ? std::string("-") : std::to_string(int(Median(r.Paints)));
        };
        std::printf("| %s | %s | %s | %s / %s |\n", a.Name.c_str(),
                    b == before.end() ? "- | -" : cells(*b).c_str(), cells(a).c_str(),
                    b == before.end() ? "-" : paints(*b).c_str(), paints(a).c_str());
    }
    return 0;
}

// The offscreen platform's notes on what it cannot do (raise a window, ...) are not news here.
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg && (text.startsWith(QStringLiteral("This plugin does not support")) ||
                                 text == QStringLiteral("edit: editing failed")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && std::string(argv[1]) == "--compare")
        return Compare(argv[2], argv[3]);
    qInstallMessageHandler(QuietPlatformNotes);
    TProfilingApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    TStderrMessages messages; // nothing here should ask anything; whatever does is printed
    SetUserMessages(&messages);
    QTemporaryDir programFolder;
    // The editors' recent files stay in this run's folder, out of the user's settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, programFolder.path());
    TfrmQueltaMain main([&programFolder](TGuiSettings& settings) {
        settings.OpenProgramFolder(
            programFolder.path().toStdString(),
            programFolder.filePath(QStringLiteral("quelta.INI")).toStdString());
    });
    if (!LoadProject(main.AllData()))
        return 1;
    CreateEditors(main);
    main.resize(1024, 700);
    main.show();
    Settle();

    TBench bench(rounds, repeats);
    for (int round = 0; round < rounds; ++round) {
        BenchReport(bench, main);
        BenchStrategy(bench, main);
        main.AllData().GuiSettings.SetPeriodKind(1);
        BenchEditors(bench, main);
    }
    std::printf("%d rounds of %d, offscreen\n\n", rounds, repeats);
    bench.Print();
    if (const QString samples = qEnvironmentVariable("UIBENCH_SAMPLES"); !samples.isEmpty())
        bench.AppendSamples(samples.toStdString());
    if (app.profile)
        app.Print();
    return bench.Failed() || editFailed || messages.ErrorCount() > 0 ? 1 : 0;
}
