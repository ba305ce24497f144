# The browser edition (preset wasm, Debian's emscripten). nlohmann's JSON is header-only,
# but its headers sit in /usr/include among the host's C headers, which must not reach
# the browser build: a folder holding only a link to them stands in.
set(ORBELAN_WASM_INCLUDE ${CMAKE_BINARY_DIR}/wasm-include)
file(MAKE_DIRECTORY ${ORBELAN_WASM_INCLUDE})
file(CREATE_LINK /usr/include/nlohmann ${ORBELAN_WASM_INCLUDE}/nlohmann SYMBOLIC)
add_library(orbelan_nlohmann_json INTERFACE)
target_include_directories(orbelan_nlohmann_json SYSTEM INTERFACE ${ORBELAN_WASM_INCLUDE})
add_library(nlohmann_json::nlohmann_json ALIAS orbelan_nlohmann_json)

if(ORBELAN_GUI OR ORBELAN_TESTS)
    message(FATAL_ERROR "The browser build has neither the window nor the tests: "
                        "use the preset wasm, which turns them off")
endif()
