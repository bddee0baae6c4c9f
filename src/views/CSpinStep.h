#pragma once

class QLineEdit;

namespace ht57 {

class SpinButtons;

// Applies one step of an up-down control to its buddy edit: the spin's range
// gives the positions, `scale` the milliseconds per position. A short-lived
// object made for one notification.
class CSpinStep {
public:
    CSpinStep(const SpinButtons& spin, int delta, int scale)
        : spin_(spin), delta_(delta), scale_(scale) {}

    void Apply() const;

private:
    const SpinButtons& spin_;
    int delta_;
    int scale_;
};

}  // namespace ht57
