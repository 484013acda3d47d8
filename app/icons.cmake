# SPDX-License-Identifier: GPL-3.0-or-later
# The icon's pictures, rendered at build time from kelvastro.svg, the one
# drawing every platform's icon comes from. At 24 pixels and less the figures
# on the display would be a smudge, so kelvastro-small.css leaves them out.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(KELVASTRO_ICON_SVG "${CMAKE_CURRENT_LIST_DIR}/kelvastro.svg")
set(KELVASTRO_ICON_SMALL_CSS "${CMAKE_CURRENT_LIST_DIR}/kelvastro-small.css")
set(KELVASTRO_ICON_DIR "${CMAKE_CURRENT_BINARY_DIR}/icons")
file(MAKE_DIRECTORY "${KELVASTRO_ICON_DIR}")

# kelvastro_icon_png(OUT SIZE): the picture at SIZE x SIZE pixels; OUT names its file.
function(kelvastro_icon_png out size)
    set(png "${KELVASTRO_ICON_DIR}/kelvastro-${size}.png")
    set(style)
    if(size LESS_EQUAL 24)
        set(style "--stylesheet=${KELVASTRO_ICON_SMALL_CSS}")
    endif()
    add_custom_command(OUTPUT "${png}"
        COMMAND "${RSVG_CONVERT}" ${style} --width=${size} --height=${size} --format=png
            "--output=${png}" "${KELVASTRO_ICON_SVG}"
        DEPENDS "${KELVASTRO_ICON_SVG}" "${KELVASTRO_ICON_SMALL_CSS}"
        COMMENT "Icon at ${size} px" VERBATIM)
    set(${out} "${png}" PARENT_SCOPE)
endfunction()

# kelvastro_windows_icon(OUT): the program file's icon, every size the shell
# asks for at 100 to 200 % so that none is scaled: 32-bit with alpha, but the
# 64 x 64 picture 24-bit with a mask as the design asks, and 256 as PNG.
function(kelvastro_windows_icon out)
    find_program(ICOTOOL icotool REQUIRED)
    set(alpha)
    foreach(size 16 20 24 32 40 48)
        kelvastro_icon_png(png ${size})
        list(APPEND alpha "${png}")
    endforeach()
    kelvastro_icon_png(opaque 64)
    kelvastro_icon_png(large 256)
    set(ico "${CMAKE_CURRENT_BINARY_DIR}/kelvastro.ico")
    add_custom_command(OUTPUT "${ico}"
        COMMAND "${ICOTOOL}" --create "--output=${ico}" --bit-depth=32 ${alpha} --bit-depth=24 "${opaque}"
            "--raw=${large}"
        DEPENDS ${alpha} "${opaque}" "${large}"
        COMMENT "Windows icon" VERBATIM)
    set(${out} "${ico}" PARENT_SCOPE)
endfunction()
