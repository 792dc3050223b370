# Runs the native probe and the WebAssembly one under node and compares their printouts byte for
# byte. Exits 77, which the test counts as skipped, when the WebAssembly build or node is
# missing. The environment's QUARROW_WASM_PROBE, when set, names the WebAssembly probe.
if(DEFINED ENV{QUARROW_WASM_PROBE})
  set(WASM "$ENV{QUARROW_WASM_PROBE}")
endif()
if(NOT EXISTS "${WASM}" OR NOT NODE)
  message("No WebAssembly probe at \"${WASM}\" or no node: build the preset web first.")
  cmake_language(EXIT 77)
endif()
foreach(seed 1 2)
  execute_process(COMMAND "${NATIVE}" ${seed} OUTPUT_FILE "${OUT}/probe-native-${seed}.txt"
                  RESULT_VARIABLE native)
  execute_process(COMMAND "${NODE}" "${WASM}" ${seed} OUTPUT_FILE "${OUT}/probe-wasm-${seed}.txt"
                  RESULT_VARIABLE wasm)
  if(NOT native EQUAL 0 OR NOT wasm EQUAL 0)
    message(FATAL_ERROR "A probe failed (native: ${native}, WebAssembly: ${wasm})")
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT}/probe-native-${seed}.txt"
                          "${OUT}/probe-wasm-${seed}.txt" RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "The printouts of seed ${seed} differ: diff ${OUT}/probe-native-${seed}.txt "
                        "${OUT}/probe-wasm-${seed}.txt")
  endif()
endforeach()
