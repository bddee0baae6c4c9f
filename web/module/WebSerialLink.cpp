#include "web/module/WebSerialLink.h"

#include <emscripten.h>

#include <cstdlib>

namespace {

// Each returns what the page's port object says; the port keeps its own
// receive queue filled from the browser's reads.

// An empty text when the port opened, else the browser's reason (malloc'd).
EM_ASYNC_JS(char*, ht57_port_open, (int baudRate), {
    const reason = await globalThis.ht57Port.open(baudRate);
    return reason ? stringToNewUTF8(String(reason)) : 0;
});

EM_ASYNC_JS(void, ht57_port_write, (const unsigned char* bytes, int length),
            { await globalThis.ht57Port.write(HEAPU8.slice(bytes, bytes + length)); });

EM_ASYNC_JS(int, ht57_port_read, (unsigned char* buffer, int length, int intervalMs, int totalMs), {
    const got = await globalThis.ht57Port.read(length, intervalMs, totalMs);
    HEAPU8.set(got, buffer);
    return got.length;
});

EM_ASYNC_JS(void, ht57_port_close, (), { await globalThis.ht57Port.close(); });

EM_JS(void, ht57_port_purge, (), { globalThis.ht57Port.purge(); });

EM_JS(int, ht57_port_broken, (), { return globalThis.ht57Port.broken() ? 1 : 0; });

}  // namespace

namespace ht57::web {

bool WebSerialLink::Open(const PortSettings& settings) {
    failure_ = {};
    if (char* reason = ht57_port_open(settings.baudRate)) {
        failure_.problem = PortProblem::Failed;
        failure_.device = settings.name;
        failure_.reason = reason;
        std::free(reason);
        return false;
    }
    open_ = true;
    return true;
}

bool WebSerialLink::Broken() const {
    return open_ && ht57_port_broken() != 0;
}

void WebSerialLink::Purge() {
    if (open_) {
        ht57_port_purge();
    }
}

void WebSerialLink::Write(std::span<const Byte> bytes) {
    if (open_ && !bytes.empty()) {
        ht57_port_write(bytes.data(), static_cast<int>(bytes.size()));
    }
}

std::size_t WebSerialLink::Read(std::span<Byte> buffer) {
    if (!open_ || buffer.empty()) {
        return 0;
    }
    const int length = static_cast<int>(buffer.size());
    const int got = ht57_port_read(buffer.data(), length, port::kReadIntervalMs,
                                   port::kReadTotalPerByteMs * length + port::kReadTotalConstantMs);
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

void WebSerialLink::Close() {
    if (open_) {
        open_ = false;
        ht57_port_close();
    }
}

}  // namespace ht57::web
