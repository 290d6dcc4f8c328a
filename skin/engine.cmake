# The engine half of the skin: taking windows over, the skin's window procedure and its
# handlers. It draws through mixora_skin_draw.
add_library(mixora_skin STATIC
    skin.h
    skin.cpp
    engine_state.h
    engine_state.cpp
    skin_lifetime.h
    skin_lifetime.cpp
    control_kind.h
    control_kind.cpp
    mouse_leave.h
    mouse_leave.cpp
    fade_timer.h
    fade_timer.cpp
    button_style.h
    push_button_images.h
    push_button_images.cpp
    subclass.h
    subclass.cpp
    skin_window_proc.h
    skin_window_proc.cpp
    handlers.h
    window_handlers.cpp
    input_common.h
    input_reactions.h
    input_handlers.cpp
    button_input.cpp
    check_input.cpp
    combo_input.cpp
    header_input.cpp
    paint_handlers.cpp
)
target_link_libraries(mixora_skin PUBLIC mixora_skin_draw)
mixora_warnings(mixora_skin)
