// Building and assembling the download image of a large project: screens
// full of objects of every kind, with alarms and jump tables. Reports the
// time per build and the peak memory of the process.

#include "AppPaths.h"
#include "BuildDownloadImage.h"
#include "RendererSetup.h"
#include "TLcdText.h"
#include "TProgramObj.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

namespace {

// Every object kind in turn until the screen's limits stop it (100 objects,
// 40 registers, bar graphs and trend charts, 14 keys).
void fillScreen(TProgramObj& project, int screenNo)
{
    static const int kinds[] = {413, 415, 411, 412, 414, 420, 421, 416, 417, 418};
    int placed = 0;
    for (int round = 0; placed < 100 && round < 200; ++round) {
        const int kind = kinds[round % std::size(kinds)];
        if (project.CanAddObject(screenNo, kind) != 0)
            continue;
        TLCDBlockObj* object = project.AddObject(screenNo, kind, (round * 17) % 150, (round * 7) % 48);
        if (!object)
            continue;
        if (auto* text = dynamic_cast<TLcdText*>(object); text && kind == 413)
            text->Text = QByteArray("T") + QByteArray::number(round);
        ++placed;
    }
}

std::unique_ptr<TProgramObj> largeProject(int screens)
{
    TObjectContext context;
    context.plcCode = 2;
    context.language = 1;
    auto project = std::make_unique<TProgramObj>(context);
    project->ApplyPlcDefaults(2);
    for (int n = 1; n <= screens; ++n) {
        if (n > 1)
            project->AddScreen(n, "screen", n + 1, n - 1);
        fillScreen(*project, n);
    }
    for (int i = 0; i < 100; ++i) {
        TParameterALM alarm;
        alarm.AlarmRow = i + 1;
        alarm.AlarmAddr1 = i;
        alarm.AlarmText = "alarm";
        project->Alarms.push_back(alarm);
        project->Jumps.push_back({i, (i % screens) + 1});
    }
    return project;
}

void BuildLargeImage(benchmark::State& state)
{
    const auto project = largeProject(int(state.range(0)));
    TImageOptions options;
    options.jumpSupport = true;
    qsizetype bytes = 0;
    for (auto _ : state) {
        const TDownloadImage image = BuildDownloadImage(*project, options);
        bytes = image.bytes.size();
        benchmark::DoNotOptimize(bytes);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["objects"] = double(project->TotalObjectCount());
    state.counters["image_bytes"] = double(bytes);
    state.counters["peak_rss_MiB"] = double(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BuildLargeImage)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    AppPaths::setProgramFolder(QStringLiteral(ZD740_BIN_DIR));
    InstallRenderer(AppPaths::libFolder());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
