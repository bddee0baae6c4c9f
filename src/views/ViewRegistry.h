#pragma once

#include <array>
#include <functional>
#include <memory>

#include "app/FrameServices.h"
#include "app/ViewKind.h"
#include "views/CBaseFormView.h"

namespace ht57 {

// Builds a fresh view of one kind on the program's data set.
using ViewFactory =
    std::function<std::unique_ptr<CBaseFormView>(RadioData& data, FrameServices& frame)>;

// Which view class serves each view kind. A kind without a factory is simply
// not offered yet: choosing it in the tree or the Edit menu does nothing.
class ViewRegistry {
public:
    void Register(ViewKind kind, ViewFactory factory) {
        factories_[Index(kind)] = std::move(factory);
    }
    bool Has(ViewKind kind) const { return static_cast<bool>(factories_[Index(kind)]); }
    std::unique_ptr<CBaseFormView> Create(ViewKind kind, RadioData& data,
                                          FrameServices& frame) const {
        const auto& factory = factories_[Index(kind)];
        return factory ? factory(data, frame) : nullptr;
    }

private:
    static std::size_t Index(ViewKind kind) { return static_cast<std::size_t>(kind); }

    std::array<ViewFactory, kAllViewKinds.size()> factories_;
};

// Registers every editing view this build has. Each view adds its own line in
// StandardViews.cpp.
void RegisterStandardViews(ViewRegistry& registry);

}  // namespace ht57
