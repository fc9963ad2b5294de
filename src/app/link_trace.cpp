#include "link_trace.h"

#include <algorithm>

#include "vrxsim/box_frames.h"
#include "vrxsim/rx_parser.h"

namespace vrx {

void TracingSerialPort::write(const Bytes& data) {
    m_port.write(data); // a failed write is not traced: it never left
    vrxsim::RxParser parser;
    for (const vrxsim::RxMessage& m : parser.feed(data, 0)) {
        std::string line;
        if (m.kind == vrxsim::RxKind::Control) {
            vrxsim::ControlFrame frame{};
            std::copy_n(m.bytes.begin(), std::min(m.bytes.size(), frame.size()), frame.begin());
            line = "control " + vrxsim::describeControl(vrxsim::decodeControlFrame(frame));
        } else {
            line = vrxsim::describeRx(m);
        }
        std::fprintf(m_out, "tx %s\n", line.c_str());
    }
    std::fflush(m_out);
}

} // namespace vrx
