# One interface target carries the language level and the warning policy, so
# every target of the project is built the same way.
add_library(orbelan_options INTERFACE)
target_compile_features(orbelan_options INTERFACE cxx_std_20)
# One include root: every project header is named by its layer, "model/Plan.h".
target_include_directories(orbelan_options INTERFACE ${PROJECT_SOURCE_DIR}/src)
# Every Qt string is built from an explicit encoding; harmless where Qt is not used.
target_compile_definitions(orbelan_options INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)

# The version that --version, the About box and the package show: the project's, from one place.
# Only the few files that print it link this target, so a new version rebuilds little.
add_library(orbelan_version INTERFACE)
target_compile_definitions(orbelan_version INTERFACE ORBELAN_VERSION="${PROJECT_VERSION}")
# Our presets and CI turn warnings into errors; a distribution's build, with its own flags
# and compiler, keeps them as warnings, since a newer compiler's new (or false) warning must
# not break a build of released sources.
option(ORBELAN_WERROR "Treat compiler warnings as errors" OFF)
if(MSVC)
    target_compile_options(orbelan_options INTERFACE /W4 /fp:precise $<$<BOOL:${ORBELAN_WERROR}>:/WX>)
else()
    # The projection must round exactly as specified operation by operation:
    # no contraction into fused multiply-add, no fast-math, SSE rather than x87.
    target_compile_options(orbelan_options INTERFACE
        -Wall -Wextra -Wpedantic $<$<BOOL:${ORBELAN_WERROR}>:-Werror>
        -ffp-contract=off -fno-fast-math)
    # Emscripten calls its target x86, but WebAssembly has IEEE arithmetic of its own.
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$" AND NOT EMSCRIPTEN)
        target_compile_options(orbelan_options INTERFACE -msse2 -mfpmath=sse)
    endif()
endif()

option(ORBELAN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(ORBELAN_SANITIZE)
    target_compile_options(orbelan_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(orbelan_options INTERFACE -fsanitize=address,undefined)
endif()

# The fuzz build instruments every library for coverage and memory errors.
if(ORBELAN_FUZZ)
    target_compile_options(orbelan_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
    target_link_options(orbelan_options INTERFACE -fsanitize=address,undefined)
endif()
