#pragma once

#include <map>
#include <set>
#include <vector>

#include "app/FrameServices.h"
#include "views/CBaseFormView.h"

namespace ht57::test {

// Stands in for the main frame in view tests: remembers what the view asked
// of it, and reloads the views the test registered as open.
class RecordingFrame : public FrameServices {
public:
    explicit RecordingFrame(RadioData& data) : data_(data), history_(data) {}

    RadioData& Data() override { return data_; }

    void RefreshView(ViewKind kind) override {
        refreshed.push_back(kind);
        if (const auto it = views_.find(kind); it != views_.end() && it->second != nullptr) {
            it->second->LoadFromImage();
        }
    }

    void ShowFrequencyLimits() override { shownLimits.push_back(data_.limits); }

    bool IsViewOpen(ViewKind kind) const override { return open_.contains(kind); }

    EditHistory& History() override { return history_; }

    // Marks a kind open; with a view, RefreshView reloads it.
    void Open(ViewKind kind, CBaseFormView* view = nullptr) {
        open_.insert(kind);
        views_[kind] = view;
    }

    std::vector<ViewKind> refreshed;
    std::vector<FrequencyLimits> shownLimits;

private:
    RadioData& data_;
    EditHistory history_;
    std::set<ViewKind> open_;
    std::map<ViewKind, CBaseFormView*> views_;
};

}  // namespace ht57::test
