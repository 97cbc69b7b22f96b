#include "station/program_end.h"

namespace orvant {

std::string endReasonName(EndReason reason) {
    switch (reason) {
        case EndReason::Exit:
            return "exit";
        case EndReason::Handoff:
            return "handoff";
        case EndReason::Fatal:
            return "fatal";
        case EndReason::Parked:
            return "parked";
        case EndReason::NoFiles:
            return "nofiles";
        case EndReason::Refused:
            return "refused";
    }
    return "exit";
}

}  // namespace orvant
