// The channel grid's bulk commands as the user runs them (store the grid, one
// undo step, change the image, reload the grid), each as a ratio to the time
// the channel view takes to open. Prints figures only.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/EditHistory.h"
#include "app/FrameServices.h"
#include "model/ChannelClipboard.h"
#include "model/ChannelRecord.h"
#include "model/ChannelRows.h"
#include "views/CChInfoView.h"
#include "views/ChannelGridCommands.h"
#include "views/FlexGrid.h"

namespace {

using ht57::CChInfoView;
using ht57::RadioData;
using ht57::ViewKind;

class BenchFrame : public ht57::FrameServices {
public:
    explicit BenchFrame(RadioData& data) : data_(data), history_(data) {}
    RadioData& Data() override { return data_; }
    void RefreshView(ViewKind) override {}
    void ShowFrequencyLimits() override {}
    bool IsViewOpen(ViewKind kind) const override { return kind == ViewKind::ChannelInfo; }
    ht57::EditHistory& History() override { return history_; }

private:
    RadioData& data_;
    ht57::EditHistory history_;
};

// Median of `runs` timings of `once`, each after an untimed `prepare`.
double MedianMicros(int runs, const std::function<void()>& prepare,
                    const std::function<void()>& once) {
    std::vector<double> micros;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        once();
        micros.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    return micros[micros.size() / 2];
}

// 128 channels in falling frequency with names, so a sort moves every one.
RadioData FullData() {
    RadioData data;
    data.limits = {13'600'000, 17'400'000};
    for (int n = 1; n <= ht57::region::kChannelCount; ++n) {
        ht57::WriteChannelDefaults(data.image, n,
                                   17'000'000 - static_cast<std::uint32_t>(n) * 12'500);
        data.image[ht57::ChannelOffset(n) + ht57::record::kName] = static_cast<ht57::Byte>(n % 40);
    }
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    constexpr int kRuns = 30;
    const RadioData original = FullData();
    RadioData data = original;
    BenchFrame frame(data);
    const auto reset = [&] { data = original; };

    const double open = MedianMicros(kRuns, reset, [&] {
        CChInfoView view(data, frame);
        view.InitialUpdate();
    });

    CChInfoView view(data, frame);
    view.InitialUpdate();
    ht57::FlexGrid& grid = view.Grid();
    ht57::ChannelGridCommands& commands = view.Commands();
    std::vector<int> all(ht57::region::kChannelCount);
    for (int n = 1; n <= ht57::region::kChannelCount; ++n) {
        all[static_cast<std::size_t>(n - 1)] = n;
    }
    const std::vector<ht57::ChannelColumn> columns{
        ht57::ChannelColumn::RxFrequency, ht57::ChannelColumn::TxFrequency,
        ht57::ChannelColumn::RxTone,      ht57::ChannelColumn::TxTone,
        ht57::ChannelColumn::Power,       ht57::ChannelColumn::Bandwidth,
        ht57::ChannelColumn::Name};
    const QString rows = QString::fromStdString(
        ht57::CopyChannelText(original.image, original.limits, all, columns));
    const auto fresh = [&] {
        reset();
        view.LoadFromImage();
    };

    const double paste = MedianMicros(
        kRuns,
        [&] {
            reset();
            ht57::ClearChannels(data.image, all);  // the paste fills an empty list
            view.LoadFromImage();
            QApplication::clipboard()->setText(rows);
            grid.SetCurrentCell(1, 1);
        },
        [&] { commands.Paste(); });
    const bool pasted = grid.TextMatrix(128, 1) == QStringLiteral("154.00000");
    const double sort =
        MedianMicros(kRuns, fresh, [&] { commands.Sort(ht57::SortKey::RxFrequency); });
    const double move = MedianMicros(
        kRuns,
        [&] {
            fresh();
            grid.SelectRows(1, 64);
        },
        [&] { commands.Move(1); });

    std::printf("%-34s %9.0f us\n", "open the channel view", open);
    const auto print = [open](const char* what, double micros) {
        std::printf("%-34s %9.0f us   ratio to open %.2f (goal <= 1.5)\n", what, micros,
                    micros / open);
    };
    print(pasted ? "paste 128 rows" : "paste 128 rows (NOT STORED)", paste);
    print("sort 128 channels by Rx Freq", sort);
    print("move 64 rows down", move);
    return 0;
}
