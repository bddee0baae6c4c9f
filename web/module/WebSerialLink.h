#pragma once

#include "link/SerialLink.h"

namespace ht57::web {

// The serial line of a page: every call goes to the port object the page
// installed as globalThis.ht57Port (Web Serial, or a stand-in) and awaits its
// promise, so the engines run unchanged while the browser keeps its thread.
class WebSerialLink final : public SerialLink {
public:
    bool Open(const PortSettings& settings) override;
    PortFailure OpenFailure() const override { return failure_; }
    bool Broken() const override;
    void Purge() override;
    void Write(std::span<const Byte> bytes) override;
    std::size_t Read(std::span<Byte> buffer) override;
    void Close() override;
    bool IsOpen() const override { return open_; }

private:
    PortFailure failure_;
    bool open_ = false;
};

}  // namespace ht57::web
