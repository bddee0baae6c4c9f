// Opening and storing the channel view, next to a bare QTableWidget of the
// same size doing the same amount of text work. Prints figures only.
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/FrameServices.h"
#include "model/ChannelRecord.h"
#include "views/CChInfoView.h"

namespace {

using ht57::CChInfoView;
using ht57::RadioData;
using ht57::ViewKind;

// Reloads the channel view after its store, as the main frame does.
class BenchFrame : public ht57::FrameServices {
public:
    explicit BenchFrame(RadioData& data) : data_(data), history_(data) {}
    RadioData& Data() override { return data_; }
    ht57::EditHistory& History() override { return history_; }
    void RefreshView(ViewKind kind) override {
        if (kind == ViewKind::ChannelInfo && view != nullptr) {
            view->LoadFromImage();
        }
    }
    void ShowFrequencyLimits() override {}
    bool IsViewOpen(ViewKind kind) const override {
        return kind == ViewKind::ChannelInfo && view != nullptr;
    }
    CChInfoView* view = nullptr;

private:
    RadioData& data_;
    ht57::EditHistory history_;
};

struct Figures {
    double median;
    double best;
};

Figures Measure(int runs, const std::function<void()>& once) {
    std::vector<double> micros;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        once();
        micros.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    return {micros[micros.size() / 2], micros.front()};
}

void Print(const char* what, Figures view, Figures bare) {
    std::printf("%-34s view %9.0f us (best %9.0f)   bare %9.0f us (best %9.0f)   ratio %.2f\n",
                what, view.median, view.best, bare.median, bare.best, view.median / bare.median);
}

RadioData FullData() {
    RadioData data;
    data.limits = {13'600'000, 17'400'000};
    for (int n = 1; n <= ht57::region::kChannelCount; ++n) {
        ht57::WriteChannelDefaults(data.image, n,
                                   13'600'000 + static_cast<std::uint32_t>(n) * 12'500);
    }
    return data;
}

void FillBare(QTableWidget& table) {
    table.setRowCount(129);
    table.setColumnCount(9);
    const int widths[] = {33, 93, 93, 73, 73, 0, 67, 67, 100};
    for (int col = 0; col < 9; ++col) {
        table.setColumnWidth(col, widths[col]);
    }
    for (int row = 0; row < 129; ++row) {
        for (int col = 0; col < 9; ++col) {
            auto* item = new QTableWidgetItem(QStringLiteral("146.52000"));
            item->setTextAlignment(Qt::AlignCenter);
            table.setItem(row, col, item);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    constexpr int kRuns = 30;
    RadioData data = FullData();
    BenchFrame frame(data);

    const Figures openView = Measure(kRuns, [&] {
        CChInfoView view(data, frame);
        view.InitialUpdate();
    });
    const Figures openBare = Measure(kRuns, [] {
        QTableWidget table;
        FillBare(table);
    });
    Print("open (set-up + load of 128 rows)", openView, openBare);

    const Figures shownView = Measure(kRuns, [&] {
        CChInfoView view(data, frame);
        view.InitialUpdate();
        view.resize(view.sizeHint());
        (void)view.grab();
    });
    const Figures shownBare = Measure(kRuns, [] {
        QTableWidget table;
        FillBare(table);
        table.resize(660, 420);
        (void)table.grab();
    });
    Print("open and paint once", shownView, shownBare);

    CChInfoView view(data, frame);
    view.InitialUpdate();
    frame.view = &view;
    const Figures storeView = Measure(kRuns, [&] { view.SaveToImage(); });
    QTableWidget table;
    FillBare(table);
    const Figures storeBare = Measure(kRuns, [&] {
        std::vector<std::string> texts;
        texts.reserve(129 * 9);
        for (int row = 0; row < 129; ++row) {
            for (int col = 0; col < 9; ++col) {
                texts.push_back(table.item(row, col)->text().toStdString());
            }
        }
        for (int row = 0; row < 129; ++row) {
            for (int col = 0; col < 9; ++col) {
                table.item(row, col)->setText(QString::fromStdString(texts[row * 9 + col]));
            }
        }
    });
    Print("store (encode + reload 128 rows)", storeView, storeBare);
    frame.view = nullptr;
    return 0;
}
