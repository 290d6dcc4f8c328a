add_library(mixora_skin_draw STATIC
    props.h
    colours.h
    control_state.h
    memory_dc.h
    working_image.h
    working_image.cpp
    primitives.h
    primitives.cpp
    bitmaps.h
    skin_pixels.h
    skin_pixels.cpp
    bitmaps.cpp
    button_paint.h
    button_paint.cpp
    check_paint.h
    check_paint.cpp
    combo_paint.h
    combo_paint.cpp
    border_paint.h
    border_paint.cpp
    header_paint.h
    header_paint.cpp
    progress_paint.h
    progress_paint.cpp
)
target_include_directories(mixora_skin_draw PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(mixora_skin_draw PUBLIC mixora_base gdi32 user32 msimg32 oleaut32 comctl32)
mixora_warnings(mixora_skin_draw CONVERSION)

add_executable(skin_draw_tests
    tests/draw_test_support.h
    tests/draw_test_support.cpp
    tests/primitives_test.cpp
    tests/working_image_test.cpp
    tests/bitmaps_test.cpp
    tests/button_paint_test.cpp
    tests/check_paint_test.cpp
    tests/combo_paint_test.cpp
    tests/header_paint_test.cpp
    tests/progress_paint_test.cpp
    tests/border_paint_test.cpp
    tests/draw_soak_test.cpp
)
target_link_libraries(skin_draw_tests PRIVATE mixora_skin_draw skin_test_support)
mixora_add_test(skin_draw_tests DESKTOP CONVERSION)
