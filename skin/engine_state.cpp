#include "engine_state.h"

namespace mixora::skin {

namespace engine {

EngineState& MutableState() {
    static EngineState state;
    return state;
}

} // namespace engine

bool SkinReady() {
    return engine::MutableState().skinReady;
}
bool HasTrackMouseEvent() {
    return engine::MutableState().hasTrackMouseEvent;
}
std::int32_t SubclassCount() {
    return engine::MutableState().subclassCount;
}

} // namespace mixora::skin
