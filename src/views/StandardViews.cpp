#include "views/ViewRegistry.h"

#include <memory>

#include "views/CChInfoView.h"
#include "views/CDtmfView.h"
#include "views/CFmView.h"
#include "views/CModelView.h"
#include "views/COptionView.h"

namespace ht57 {

// One line per editing view.
void RegisterStandardViews(ViewRegistry& registry) {
    registry.Register(ViewKind::RadioInfo, [](RadioData& d, FrameServices& f) {
        return std::make_unique<CModelView>(d, f);
    });
    registry.Register(ViewKind::OptionFeatures, [](RadioData& d, FrameServices& f) {
        return std::make_unique<COptionView>(d, f);
    });
    registry.Register(ViewKind::Dtmf, [](RadioData& d, FrameServices& f) {
        return std::make_unique<CDtmfView>(d, f);
    });
    registry.Register(ViewKind::ChannelInfo, [](RadioData& d, FrameServices& f) {
        return std::make_unique<CChInfoView>(d, f);
    });
    registry.Register(ViewKind::RadioFrequency, [](RadioData& d, FrameServices& f) {
        return std::make_unique<CFmView>(d, f);
    });
}

}  // namespace ht57
