#pragma once

#include <QLineEdit>
#include <QVBoxLayout>
#include <cstddef>

#include "views/CBaseFormView.h"
#include "views/ViewRegistry.h"

namespace ht57::test {

// A view showing one image byte. Like the grid's in-place editors, an edit
// reaches the view's value only when the editor finishes (Enter or losing the
// focus); SaveToImage stores that value.
class ProbeView : public CBaseFormView {
public:
    ProbeView(RadioData& data, FrameServices& frame, std::size_t offset)
        : CBaseFormView(data, frame), offset_(offset), editor_(new QLineEdit(this)) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(editor_);
        QObject::connect(editor_, &QLineEdit::editingFinished, this,
                         [this] { value_ = static_cast<Byte>(editor_->text().toInt()); });
    }

    void LoadFromImage() override {
        value_ = ImageBytes()[offset_];
        editor_->setText(QString::number(value_));
        ++loads;
    }
    void SaveToImage() override {
        ImageBytes()[offset_] = value_;
        ++saves;
    }

    QLineEdit* Editor() const { return editor_; }

    int loads = 0;
    int saves = 0;

private:
    std::size_t offset_;
    QLineEdit* editor_;
    Byte value_ = 0;
};

inline constexpr std::size_t kProbeOffsetA = 0x900;
inline constexpr std::size_t kProbeOffsetB = 0x901;

// Radio Info and Channel Infomation as probe views; the other kinds stay
// unregistered.
inline ViewRegistry ProbeRegistry() {
    ViewRegistry registry;
    registry.Register(ViewKind::RadioInfo, [](RadioData& data, FrameServices& frame) {
        return std::make_unique<ProbeView>(data, frame, kProbeOffsetA);
    });
    registry.Register(ViewKind::ChannelInfo, [](RadioData& data, FrameServices& frame) {
        return std::make_unique<ProbeView>(data, frame, kProbeOffsetB);
    });
    return registry;
}

}  // namespace ht57::test
